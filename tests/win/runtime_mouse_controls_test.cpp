// Labels, picture boxes, image buttons, transparent labels and drop-down
// lists as the user meets them: in a shown window, with real mouse input.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "runtime/controls/button_tips_win.h"
#include "runtime/controls/gdi_win.h"
#include "runtime/controls/gradient.h"
#include "runtime_fixture.h"
#include "test_pictures.h"

namespace vorn::runtime {
namespace {

using testing::CentreOf;
using testing::kTestWindowId;
using testing::PixelOf;
using testing::PumpMessages;
using testing::PumpUntil;
using testing::TestWindow;

constexpr ControlId kGradient = 0x16010001, kLink = 0x16010002, kPanel = 0x16010003,
                    kPanelClock = 0x16010004, kWindowClock = 0x16010005, kImage = 0x16010006,
                    kJob = 0x16010007;
constexpr PictureId kBackground = 1, kNormal = 2, kHover = 3;
constexpr Rgb kPanelColour = 0x336699;
constexpr std::string_view kJobs[] = {"战士", "法师", "道士"};

std::uint32_t BackgroundAt(int x, int y) {
    return static_cast<std::uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40);
}

class ShownControls : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pictures_ = new std::vector<testing::Bytes>{
            {},
            testing::BuildOpaquePng(319, 200, BackgroundAt),
            testing::BuildOpaquePng(36, 33, [](int, int) { return 0xCC2222u; }),
            testing::BuildOpaquePng(36, 33, [](int, int) { return 0x22CC22u; }),
        };
        const std::vector<ControlLayout> controls = {
            {.name = "标签_渐变", .kind = ControlKind::Label, .id = kGradient, .left = 10,
             .top = 10, .width = 63, .height = 20, .border = Border::SingleLine, .gradient = true,
             .gradientColours = {0xFF0000, 0x00FF00, 0x0000FF}},
            {.name = "标签_关于", .kind = ControlKind::Label, .id = kLink, .left = 10,
             .top = 120, .width = 80, .height = 24, .text = "关于程序"},
            {.name = "图片框", .kind = ControlKind::PicBox, .id = kPanel, .left = 190, .top = 10,
             .width = 116, .height = 100, .backColour = kPanelColour, .border = Border::SingleLine},
            {.name = "透明标签_面板", .kind = ControlKind::TransLabel, .id = kPanelClock,
             .parent = kPanel, .left = 4, .top = 60, .width = 100, .height = 24,
             .textColour = 0xFFFFFF, .align = HAlign::Centre, .valign = VAlign::Middle,
             .text = "WWWW"},
            {.name = "透明标签_时间", .kind = ControlKind::TransLabel, .id = kWindowClock,
             .left = 150, .top = 150, .width = 96, .height = 24, .textColour = 0x606060,
             .text = ""},
            {.name = "超级按钮_头盔", .kind = ControlKind::SuperBtn, .id = kImage, .left = 100,
             .top = 40, .width = 36, .height = 33, .text = "头盔", .tabStop = true,
             .normalPicture = kNormal, .hoverPicture = kHover},
            {.name = "组合框_职业", .kind = ControlKind::ComboBox, .id = kJob, .parent = kPanel,
             .left = 66, .top = 0, .width = 48, .height = 20, .textColour = 0xFFFFFF,
             .backColour = 0x008000, .items = kJobs, .selection = 0, .tabStop = true},
        };
        window_ = new TestWindow(
            controls,
            {.pictures = [](PictureId id) {
                 return std::span<const std::uint8_t>((*pictures_)[static_cast<std::size_t>(id)]);
             }},
            kBackground);
        window_->ShowActive();
    }
    static void TearDownTestSuite() {
        delete window_;
        delete pictures_;
    }
    void SetUp() override {
        ASSERT_TRUE(window_->loaded());
        // Park the mouse away from the window.
        testing::MoveMouseTo({5, 5});
        PumpMessages();
        window_->sink.events.clear();
    }
    static HWND Control(ControlId id) { return window_->Control(id); }
    static RECT WindowRect() {
        RECT rect{};
        GetWindowRect(window_->handle(), &rect);
        return rect;
    }
    // Drags by (dx, dy) from `start` and waits until the window has moved.
    static POINT DragBy(POINT start, int dx, int dy) {
        const RECT before = WindowRect();
        testing::DragMouse(start, {start.x + dx, start.y + dy});
        PumpUntil([&] { return WindowRect().left == before.left + dx && WindowRect().top == before.top + dy; });
        PumpMessages();
        const RECT after = WindowRect();
        return {after.left - before.left, after.top - before.top};
    }

    static TestWindow* window_;
    static std::vector<testing::Bytes>* pictures_;
};

TestWindow* ShownControls::window_ = nullptr;
std::vector<testing::Bytes>* ShownControls::pictures_ = nullptr;

TEST_F(ShownControls, LabelPressedAndReleasedInPlaceIsAClick) {
    const POINT centre = CentreOf(Control(kLink));
    testing::MoveMouseTo(centre);
    testing::PressLeftButton(centre);
    testing::ReleaseLeftButton(centre);
    EXPECT_TRUE(PumpUntil([] { return window_->sink.Count(kLink, EventKind::Clicked) == 1; }));

    // Released outside the label: no click.
    testing::PressLeftButton(centre);
    testing::MoveMouseTo({centre.x + 2, centre.y + 60});
    testing::ReleaseLeftButton({centre.x + 2, centre.y + 60});
    PumpMessages();
    EXPECT_EQ(window_->sink.Count(kLink, EventKind::Clicked), 1);
}

TEST_F(ShownControls, DraggingALabelMovesTheWindowAndIsNoClick) {
    const POINT moved = DragBy(CentreOf(Control(kLink)), 40, 30);
    EXPECT_EQ(moved.x, 40);
    EXPECT_EQ(moved.y, 30);
    EXPECT_EQ(window_->sink.Count(kLink, EventKind::Clicked), 0);
    DragBy(CentreOf(Control(kLink)), -40, -30);
}

TEST_F(ShownControls, DraggingThePanelMovesTheWindow) {
    POINT panelGap{2, 40};  // left of the panel's rows, on its own background
    ClientToScreen(Control(kPanel), &panelGap);
    ASSERT_EQ(WindowFromPoint(panelGap), Control(kPanel));
    const POINT moved = DragBy(panelGap, -25, 15);
    EXPECT_EQ(moved.x, -25);
    EXPECT_EQ(moved.y, 15);
}

TEST_F(ShownControls, DraggingTheWindowBackgroundMovesTheWindow) {
    POINT bare{150, 100};
    ClientToScreen(window_->handle(), &bare);
    ASSERT_EQ(WindowFromPoint(bare), window_->handle());
    const POINT moved = DragBy(bare, 25, -15);
    EXPECT_EQ(moved.x, 25);
    EXPECT_EQ(moved.y, -15);
}

TEST_F(ShownControls, GradientRunsThroughItsThreeColoursInsideTheBorder) {
    const HWND label = Control(kGradient);
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(label, &client);
    ASSERT_EQ(client.bottom, 18) << "a one-pixel border on each side";
    const Rgb colours[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    for (int row = 0; row < client.bottom; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(PixelOf(label, client.right / 2, row),
                  ToColorRef(GradientColourAt(colours, row, client.bottom)));
    }
}

int CountPixels(HWND window, COLORREF colour, int* others = nullptr) {
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    int count = 0, different = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) (GetPixel(dc, x, y) == colour ? count : different)++;
    ReleaseDC(window, dc);
    if (others) *others = different;
    return count;
}

TEST_F(ShownControls, TransparentLabelShowsItsParentThroughAndLeavesNoOldText) {
    const HWND clock = Control(kPanelClock);
    UpdateWindow(clock);
    int others = 0;
    const int panel = CountPixels(clock, ToColorRef(kPanelColour), &others);
    EXPECT_GT(panel, 0) << "the panel's colour shows around the text";
    EXPECT_GT(CountPixels(clock, RGB(255, 255, 255)), 0) << "the caption is drawn";

    for (int second = 0; second < 3; ++second) {
        window_->controls.WriteText(kTestWindowId, kPanelClock, prop::translabel::kCaption,
                                    second % 2 ? "WWWW" : "iiii");
        UpdateWindow(clock);
    }
    window_->controls.WriteText(kTestWindowId, kPanelClock, prop::translabel::kCaption, "");
    UpdateWindow(clock);
    CountPixels(clock, ToColorRef(kPanelColour), &others);
    EXPECT_EQ(others, 0) << "every trace of the earlier captions is gone";
    window_->controls.WriteText(kTestWindowId, kPanelClock, prop::translabel::kCaption, "WWWW");
}

TEST_F(ShownControls, TransparentLabelOnTheWindowShowsTheBackgroundPictureInPlace) {
    const HWND clock = Control(kWindowClock);
    UpdateWindow(clock);
    // The label sits at (150, 150): its pixel (x, y) is the picture's (150 + x, 150 + y).
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{50, 10}, std::pair{95, 23}})
        EXPECT_EQ(PixelOf(clock, x, y), ToColorRef(BackgroundAt(150 + x, 150 + y)));
    EXPECT_EQ(SendMessageW(clock, WM_NCHITTEST, 0, 0), HTTRANSPARENT) << "presses fall through";
}

TEST_F(ShownControls, ImageButtonShowsItsHoverPictureWhileTheMouseIsOverIt) {
    const HWND button = Control(kImage);
    auto centreColour = [&] {
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return PixelOf(button, 18, 16);
    };
    EXPECT_EQ(centreColour(), RGB(0xCC, 0x22, 0x22));
    testing::MoveMouseTo(CentreOf(button));
    PumpUntil([&] { return centreColour() == RGB(0x22, 0xCC, 0x22); });
    EXPECT_EQ(centreColour(), RGB(0x22, 0xCC, 0x22));
    testing::MoveMouseTo({5, 5});
    PumpUntil([&] { return centreColour() == RGB(0xCC, 0x22, 0x22); });
    EXPECT_EQ(centreColour(), RGB(0xCC, 0x22, 0x22)) << "back to normal once the mouse left";

    // The frame: thin, light and rounded, so the very corner keeps the picture.
    const COLORREF edge = PixelOf(button, 18, 0);
    EXPECT_GE(GetRValue(edge), 200);
    EXPECT_GE(GetGValue(edge), 200);
    EXPECT_GE(GetBValue(edge), 200);
    EXPECT_EQ(PixelOf(button, 18, 1), RGB(0xCC, 0x22, 0x22)) << "one pixel wide";
}

TEST_F(ShownControls, ImageButtonClicksOnlyWhenReleasedOverIt) {
    const POINT centre = CentreOf(Control(kImage));
    testing::MoveMouseTo(centre);
    testing::PressLeftButton(centre);
    testing::ReleaseLeftButton(centre);
    EXPECT_TRUE(PumpUntil([] { return window_->sink.Count(kImage, EventKind::Clicked) == 1; }));
    EXPECT_EQ(GetFocus(), Control(kImage)) << "a click gives it the focus";

    testing::PressLeftButton(centre);
    testing::MoveMouseTo({centre.x + 80, centre.y});
    testing::ReleaseLeftButton({centre.x + 80, centre.y});
    PumpMessages();
    EXPECT_EQ(window_->sink.Count(kImage, EventKind::Clicked), 1);
}

TEST_F(ShownControls, ImageButtonClicksOnSpaceAndEnterButNotOnRepeats) {
    const HWND button = Control(kImage);
    SetFocus(button);
    PostMessageW(button, WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(button, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(button, WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));  // auto-repeat
    PostMessageW(button, WM_KEYDOWN, 'X', 1);
    PumpMessages();
    EXPECT_EQ(window_->sink.Count(kImage, EventKind::Clicked), 2);
}

TEST(ButtonTips, TheTooltipIsMadeAtTheFirstMouseMoveWithTheTipsStillWanted) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 50, nullptr,
                                       nullptr, nullptr, nullptr);
    const HWND first = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 20, 20, owner, nullptr,
                                       nullptr, nullptr);
    const HWND second = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 30, 0, 20, 20, owner,
                                        nullptr, nullptr, nullptr);
    {
        ButtonTips tips;
        tips.Add(first, L"头盔", nullptr);
        tips.Add(second, L"项链", nullptr);
        tips.Remove(second);
        EXPECT_EQ(tips.handle(), nullptr) << "made before it was needed";
        tips.OnMouseMove(first, 0, MAKELPARAM(3, 3));
        ASSERT_NE(tips.handle(), nullptr);
        EXPECT_EQ(GetWindow(tips.handle(), GW_OWNER), owner);
        EXPECT_EQ(SendMessageW(tips.handle(), TTM_GETTOOLCOUNT, 0, 0), 1);
    }
    DestroyWindow(owner);
}

TEST_F(ShownControls, ImageButtonTooltipCarriesItsText) {
    SendMessageW(Control(kImage), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    const HWND tooltip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
    ASSERT_NE(tooltip, nullptr);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    wchar_t text[64] = {};
    tool.lpszText = text;
    bool found = false;
    const auto count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count && !found; ++i)
        if (SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool)))
            found = tool.hwnd == Control(kImage);
    ASSERT_TRUE(found) << "the tooltip knows the button";
    EXPECT_STREQ(text, L"头盔");
}

TEST_F(ShownControls, DropDownListReportsTheUsersChoiceAndDrawsRowColours) {
    const HWND combo = Control(kJob);
    SetFocus(combo);
    PostMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
    PumpMessages();
    const auto changes = window_->sink.Of(kJob, EventKind::SelectionChanged);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].argument, 1);
    EXPECT_EQ(window_->controls.ReadInteger(kTestWindowId, kJob, prop::combo::kSelection), 1);

    SetFocus(window_->handle());
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The closed field, left of the arrow: white text on the row colour.
    int green = 0, light = 0;
    HDC dc = GetDC(combo);
    for (int y = 4; y < 16; ++y)
        for (int x = 4; x < 26; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (pixel == RGB(0, 0x80, 0)) ++green;
            else if (GetRValue(pixel) > 200 && GetGValue(pixel) > 200 && GetBValue(pixel) > 200) ++light;
        }
    ReleaseDC(combo, dc);
    EXPECT_GT(green, light);
    EXPECT_GT(light, 5) << "white text";
}

}  // namespace
}  // namespace vorn::runtime
