// The skin's shared state: initialised once, what it derives from the theme
// picture, its cursors, and that destroying it releases everything.
#define PSAPI_VERSION 2  // GetProcessMemoryInfo from kernel32
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <array>
#include <stdexcept>
#include <utility>
#include <vector>

#include "runtime/base/embedded_files.h"
#include "shell/skin_module_win.h"
#include "skin/cursor_win.h"
#include "plus/plus_startup_win.h"
#include "skin/skin_state_win.h"
#include "skin/theme_picture_win.h"
#include "test_pictures.h"

namespace vorn::skin {
namespace {

int Channel(plus::Argb argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

plus::PlusImage Picture(int width, int height, std::uint32_t (*rgbAt)(int x, int y)) {
    plus::PlusImage picture;
    EXPECT_TRUE(picture.LoadFromBytes(runtime::testing::BuildOpaquePng(width, height, rgbAt)));
    return picture;
}

std::span<const std::uint8_t> Theme() { return runtime::EmbeddedFileBytes("background.jpg"); }

bool CursorAlive(HCURSOR cursor) {
    ICONINFO info{};
    if (!GetIconInfo(cursor, &info)) return false;
    const runtime::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
    return true;
}

class SkinStateTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(plus::StartPlus(), 0u); }
};

TEST_F(SkinStateTest, InitialisesOnceAndASecondCallChangesNothing) {
    SkinState skin;
    const ULONG_PTR token = InitSkin(skin, Theme(), false, true);
    EXPECT_NE(token, 0u);
    EXPECT_EQ(skin.uiFontFace, "微软雅黑");
    for (int i = 0; i < kSkinImageCount; ++i)
        EXPECT_EQ(skin.skinImages[i].Width(), static_cast<UINT>(kSkinImages[i].width)) << i;
    for (const SkinCursor& cursor : skin.skinCursors) EXPECT_TRUE(CursorAlive(cursor.Get()));
    const int width = GetSystemMetrics(SM_CXSCREEN) + 10;
    const int height = GetSystemMetrics(SM_CYSCREEN) + 10;
    EXPECT_FALSE(skin.background.Composed()) << "the screen-sized background waits for its first paint";
    ASSERT_EQ(skin.background.Picture().Width(), static_cast<UINT>(width));
    EXPECT_EQ(skin.background.Picture().GetPixel(width - 1, height - 1), ToArgb(skin.themeColour));

    const Gdiplus::GpImage* background = skin.background.Picture().Native();
    const HCURSOR hand = skin.skinCursors[kCursorHand].Get();
    const Colour themeColour = skin.themeColour;
    const auto white = runtime::testing::BuildOpaquePng(4, 4, [](int, int) { return 0xFFFFFFu; });
    EXPECT_EQ(InitSkin(skin, white, false, false), kSkinAlreadyInitialised);
    EXPECT_EQ(skin.plusToken, token);
    EXPECT_EQ(skin.themeImageBytes.size(), Theme().size());
    EXPECT_EQ(skin.themeColour, themeColour);
    EXPECT_EQ(skin.background.Picture().Native(), background);
    EXPECT_EQ(skin.skinCursors[kCursorHand].Get(), hand) << "not replaced by the system's hand";
}

TEST_F(SkinStateTest, PreparedOnAWorkerThreadItIsWholeOnceWaitedForAndAFailureReachesEveryWait) {
    shell::SkinModule module;
    module.PrepareInBackground([](SkinState& state) { InitSkin(state, Theme(), false, true); });
    module.WaitUntilPrepared();
    SkinState& skin = *module.State();
    ASSERT_TRUE(skin.initialised);
    EXPECT_EQ(skin.skinImages[kSkinImageCount - 1].Width(),
              static_cast<UINT>(kSkinImages[kSkinImageCount - 1].width));
    EXPECT_TRUE(CursorAlive(skin.skinCursors[kCursorHand].Get()));
    // This thread draws from what the worker decoded.
    const int width = GetSystemMetrics(SM_CXSCREEN) + 10;
    EXPECT_EQ(skin.background.Picture().GetPixel(width - 1, 0), ToArgb(skin.themeColour));
    module.Destroy();

    shell::SkinModule failing;
    failing.PrepareInBackground([](SkinState&) { throw std::runtime_error("no decoder"); });
    EXPECT_THROW(failing.WaitUntilPrepared(), std::runtime_error);
    EXPECT_THROW(failing.WaitUntilPrepared(), std::runtime_error) << "the second wait passed";
}

TEST_F(SkinStateTest, SystemCursorsStandInForBuiltInOnesAndOutliveTheState) {
    std::vector<HCURSOR> cursors;
    {
        SkinState skin;
        InitSkin(skin, Theme(), true, false);
        for (int i = 0; i < kSkinCursorCount; ++i) {
            cursors.push_back(LoadCursorW(nullptr, MAKEINTRESOURCEW(kSkinCursors[i].systemCursor)));
            EXPECT_EQ(skin.skinCursors[i].Get(), cursors.back()) << i;
        }
    }
    for (const HCURSOR cursor : cursors) EXPECT_TRUE(CursorAlive(cursor));
}

struct Resources {
    DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    SIZE_T committed = [] {
        PROCESS_MEMORY_COUNTERS counters{};
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
        return counters.PagefileUsage;
    }();
};

TEST_F(SkinStateTest, DestroyingAStateWithControlImagesReleasesEveryObjectItHeld) {
    const auto fill = [](SkinState& skin) {
        InitSkin(skin, Theme(), false, true);
        LoadControlImages(skin);
        LoadControlImages(skin);  // the second load replaces the first
        EXPECT_NE(skin.background.Picture().Native(), nullptr);
        for (int i = 0; i < kControlImageSlots; ++i)
            EXPECT_EQ(skin.controlImages[i].Width(), static_cast<UINT>(kControlImages[i].width));
        EXPECT_EQ(skin.controlImages[kControlEmptySlot].Native(), nullptr);
    };
    {  // GDI+ and the picture decoders keep what they make once per process.
        SkinState warmUp;
        fill(warmUp);
    }
    const Resources before;
    std::vector<HCURSOR> cursors;
    constexpr int kRuns = 4;
    for (int run = 0; run < kRuns; ++run) {
        SkinState skin;
        fill(skin);
        for (const SkinCursor& cursor : skin.skinCursors) cursors.push_back(cursor.Get());
    }
    const Resources after;
    // Wine counts no GUI objects (both counts stay 0); Windows does.
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    for (const HCURSOR cursor : cursors) EXPECT_FALSE(CursorAlive(cursor));
    // The background alone is (screen + 10)^2 * 4 bytes; kRuns of it kept
    // would show far above one.
    const SIZE_T background = static_cast<SIZE_T>(GetSystemMetrics(SM_CXSCREEN) + 10) *
                              (GetSystemMetrics(SM_CYSCREEN) + 10) * 4;
    EXPECT_LT(after.committed, before.committed + background)
        << "grew by " << (after.committed - before.committed) / 1024 << " KiB";
}

TEST_F(SkinStateTest, TheScreenBackgroundIsComposedOnceFromTheThemeItWasLastGiven) {
    ScreenBackground background;
    EXPECT_EQ(background.Picture().Native(), nullptr) << "no theme yet";
    const auto red = Picture(60, 60, [](int, int) { return 0xFF0000u; });
    const auto bytes = runtime::testing::BuildOpaquePng(60, 60, [](int, int) { return 0xFF0000u; });
    background.Use(bytes, 0x00FF00);
    EXPECT_FALSE(background.Composed());
    const int width = GetSystemMetrics(SM_CXSCREEN) + 10;
    const int height = GetSystemMetrics(SM_CYSCREEN) + 10;
    const plus::PlusImage expected = ComposeBackground(red, 0x00FF00, width, height);
    const plus::PlusImage& composed = background;  // as the painters take it
    ASSERT_TRUE(background.Composed());
    ASSERT_EQ(composed.Width(), static_cast<UINT>(width));
    ASSERT_EQ(composed.Height(), static_cast<UINT>(height));
    for (const auto& [x, y] : {std::pair{0, 0}, {30, 30}, {59, 5}, {20, 59}, {59, 59}, {width - 1, height - 1}})
        EXPECT_EQ(composed.GetPixel(x, y), expected.GetPixel(x, y)) << x << "," << y;
    EXPECT_EQ(&background.Picture(), &composed) << "composed again";

    const auto blue = runtime::testing::BuildOpaquePng(4, 4, [](int, int) { return 0x0000FFu; });
    background.Use(blue, 0x0000FF);
    EXPECT_FALSE(background.Composed()) << "the old theme's picture kept";
    EXPECT_EQ(background.Picture().GetPixel(width - 1, height - 1), ToArgb(0x0000FF));
}

TEST_F(SkinStateTest, AverageColourIsTheMeanOfAPicturesPixels) {
    EXPECT_EQ(AverageColour(Picture(8, 8, [](int, int) { return 0x123456u; })), 0x563412u);
    const Colour mixed =
        AverageColour(Picture(10, 10, [](int x, int) { return x < 5 ? 0xFF0000u : 0x0000FFu; }));
    EXPECT_EQ(mixed, 0x7F007Fu);
}

TEST_F(SkinStateTest, BackgroundFadesTheThemesRightAndBottomEdgesIntoTheThemeColour) {
    // A red 120 x 90 theme on a blue theme colour (0x00BBGGRR).
    const plus::PlusImage theme = Picture(120, 90, [](int, int) { return 0xFF0000u; });
    const plus::PlusImage background = ComposeBackground(theme, 0xFF0000, 200, 150);
    ASSERT_EQ(background.Width(), 200u);
    const auto red = [&](int x, int y) { return Channel(background.GetPixel(x, y), 16); };
    EXPECT_EQ(background.GetPixel(70, 40), 0xFFFF0000u) << "the theme as it is, before the fades";
    // Towards the right edge, and towards the bottom edge, red gives way to blue.
    for (const auto& [x, y, nextX, nextY] :
         {std::array{72, 10, 95, 10}, std::array{95, 10, 118, 10}, std::array{10, 42, 10, 65},
          std::array{10, 65, 10, 88}}) {
        EXPECT_GT(red(x, y), red(nextX, nextY)) << x << "," << y;
        EXPECT_NEAR(red(x, y) + Channel(background.GetPixel(x, y), 0), 255, 2) << "red over blue";
    }
    EXPECT_GT(red(72, 10), 180);
    EXPECT_LT(red(118, 10), 40);
    EXPECT_LT(red(118, 88), 40) << "the corner";
    for (const auto& [x, y] : {std::pair{121, 10}, std::pair{10, 91}, std::pair{199, 149}})
        EXPECT_EQ(background.GetPixel(x, y), 0xFF0000FFu) << x << "," << y;
}

TEST(SkinCursor, ABuiltInCursorFileMakesACursorWithItsHotSpotAndATruncatedOneNone) {
    const SkinCursorFile& file = kSkinCursors[kCursorEditBeam];
    const runtime::UniqueIcon cursor = CursorFromBytes(runtime::EmbeddedFileBytes(file.file));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    const runtime::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, static_cast<DWORD>(file.hotX));
    EXPECT_EQ(info.yHotspot, static_cast<DWORD>(file.hotY));
    const auto whole = runtime::EmbeddedFileBytes(file.file);
    EXPECT_FALSE(CursorFromBytes(whole.first(whole.size() - 1)));
}

}  // namespace
}  // namespace vorn::skin
