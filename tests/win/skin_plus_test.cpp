#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "runtime/controls/picture_win.h"
#include "runtime/base/utf_win.h"
#include "plus/plus_cached_bitmap_win.h"
#include "plus/plus_font_family_win.h"
#include "plus/plus_font_win.h"
#include "plus/plus_graphics_win.h"
#include "plus/plus_image_attributes_win.h"
#include "plus/plus_image_win.h"
#include "plus/plus_linear_gradient_brush_win.h"
#include "plus/plus_path_win.h"
#include "plus/plus_pen_win.h"
#include "plus/plus_region_win.h"
#include "plus/plus_solid_brush_win.h"
#include "plus/plus_startup_win.h"
#include "plus/plus_string_format_win.h"
#include "test_pictures.h"

namespace vorn::plus {
namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;
using Bytes = std::vector<std::uint8_t>;

constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kBlue = 0xFF0000FF;
constexpr Argb kGreen = 0xFF00FF00;
// The skin's first choice of face; present on Windows and mapped in our Wine prefix.
constexpr const char* kFace = "微软雅黑";
constexpr std::string_view kNoFormat = "{00000000-0000-0000-0000-000000000000}";

std::string Hex(Argb colour) {
    char text[12];
    std::snprintf(text, sizeof(text), "%08X", static_cast<unsigned>(colour));
    return text;
}

// Two pixels: red, then blue.
Bytes RedBluePng() {
    return runtime::testing::BuildOpaquePng(
        2, 1, [](int x, int) { return x == 0 ? 0xFF0000u : 0x0000FFu; });
}

// A 1 x 1 GIF of two frames shown for 7 and 9 hundredths of a second.
Bytes TwoFrameGif() {
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
    for (const std::uint8_t delay : {7, 9}) {
        const Bytes frame = {0x21, 0xF9, 4,    0,    delay, 0, 0, 0,  // graphic control: delay
                             0x2C, 0,    0,    0,    0,     1, 0, 1, 0, 0,  // image descriptor
                             2,    2,    0x44, 0x01, 0};                    // LZW: clear, 0, end
        gif.insert(gif.end(), frame.begin(), frame.end());
    }
    gif.push_back(0x3B);
    return gif;
}

std::string TempPath(const char* name) {
    wchar_t directory[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, directory);
    return runtime::Narrow(directory) + name;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(runtime::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SkinPlus : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(StartPlus(), 0u); }

    static PlusImage Canvas(int width, int height) {
        PlusImage canvas;
        EXPECT_TRUE(canvas.CreateBitmap(width, height));
        return canvas;
    }
};

TEST_F(SkinPlus, LoadFromBytesDecodesAPictureThatNeedsNoCallerBytesAfterwards) {
    PlusImage image;
    {
        Bytes png = runtime::testing::BuildOpaquePng(3, 2, [](int x, int y) {
            return y == 1 ? 0x0000FFu : x == 0 ? 0xFF0000u : 0x00FF00u;
        });
        ASSERT_TRUE(image.LoadFromBytes(png));
        png.assign(png.size(), 0);
    }
    EXPECT_EQ(image.Width(), 3u);
    EXPECT_EQ(image.Height(), 2u);
    EXPECT_EQ(Hex(image.GetPixel(0, 0)), Hex(kRed));
    EXPECT_EQ(Hex(image.GetPixel(2, 0)), Hex(kGreen));
    EXPECT_EQ(Hex(image.GetPixel(1, 1)), Hex(kBlue));
}

TEST_F(SkinPlus, BytesThatAreNoPictureLeaveTheImageEmptyWithTheFailureKept) {
    PlusImage image;
    ASSERT_TRUE(image.LoadFromBytes(RedBluePng()));
    EXPECT_FALSE(image.LoadFromBytes(Bytes(64, 0x5A)));
    EXPECT_EQ(image.Native(), nullptr);
    EXPECT_NE(LastPlusStatus(), Gdiplus::Ok);
    EXPECT_EQ(image.Width(), 0u);
    EXPECT_FALSE(image.Dispose());
}

TEST_F(SkinPlus, SavesOnlyThroughAnInstalledEncoderOfTheNamedFormat) {
    PlusImage image;
    ASSERT_TRUE(image.LoadFromBytes(RedBluePng()));

    PlusImage reloaded;
    ASSERT_TRUE(reloaded.LoadFromBytes(image.SaveToBytes(kPngFormat)));
    EXPECT_EQ(Hex(reloaded.GetPixel(0, 0)), Hex(kRed));
    EXPECT_EQ(Hex(reloaded.GetPixel(1, 0)), Hex(kBlue));
    const Bytes bitmapFile = image.SaveToBytes();  // BMP unless told otherwise
    ASSERT_GE(bitmapFile.size(), 2u);
    EXPECT_EQ(std::string(bitmapFile.begin(), bitmapFile.begin() + 2), "BM");

    EXPECT_TRUE(image.SaveToBytes(kNoFormat).empty());
    const std::string path = TempPath("vorn_skin_plus_save.png");
    DeleteFileW(runtime::Widen(path).c_str());
    EXPECT_FALSE(image.SaveToFile(path, kNoFormat));
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(image.SaveToFile(path, kPngFormat));
    EXPECT_TRUE(FileExists(path));
    DeleteFileW(runtime::Widen(path).c_str());
}

TEST_F(SkinPlus, FrameDelaysComeFromAnAnimationOnly) {
    PlusImage animation;
    ASSERT_TRUE(animation.LoadFromBytes(TwoFrameGif()));
    EXPECT_EQ(animation.GetFrameDelays(), (std::vector<std::int32_t>{7, 9}));
    PlusImage still;
    ASSERT_TRUE(still.LoadFromBytes(RedBluePng()));
    EXPECT_TRUE(still.GetFrameDelays().empty());
}

TEST_F(SkinPlus, RotateTurnsTheSourceAboutTheTargetCentre) {
    // Two 2 x 2 blocks side by side: red, then blue.
    PlusImage source;
    ASSERT_TRUE(source.LoadFromBytes(runtime::testing::BuildOpaquePng(
        4, 2, [](int x, int) { return x < 2 ? 0xFF0000u : 0x0000FFu; })));
    const PlusImage turned =
        source.Rotate(90, {.background = kGreen,
                           .interpolation = Gdiplus::InterpolationModeNearestNeighbor,
                           .size = SIZE{4, 6}});
    ASSERT_NE(turned.Native(), nullptr);
    EXPECT_EQ(turned.Width(), 4u);
    EXPECT_EQ(turned.Height(), 6u);
    EXPECT_EQ(Hex(turned.GetPixel(2, 2)), Hex(kRed));  // clockwise: the left end goes up
    EXPECT_EQ(Hex(turned.GetPixel(2, 4)), Hex(kBlue));
    EXPECT_EQ(Hex(turned.GetPixel(2, 0)), Hex(kGreen));
    EXPECT_EQ(Hex(turned.GetPixel(0, 3)), Hex(kGreen));

    // Without a size the target spans the rotated pixel centres: 3 x 3 gives
    // 2 x 2, and 2 x 1 gives 0 x 1, which no bitmap can be.
    const PlusImage square = Canvas(3, 3).Rotate(90);
    EXPECT_EQ(square.Width(), 2u);
    EXPECT_EQ(square.Height(), 2u);
    PlusImage line;
    ASSERT_TRUE(line.LoadFromBytes(RedBluePng()));
    EXPECT_EQ(line.Rotate(90).Native(), nullptr);
}

// A red 5 x 5 square drawn at (10, 10) after a translation by (20, 0) and
// then `step`: where it lands tells the order the step was applied in.
template <typename Step>
PlusImage SquareAfter(Step step) {
    PlusImage canvas;
    PlusGraphics graphics;
    PlusSolidBrush red;
    EXPECT_TRUE(canvas.CreateBitmap(64, 48) && graphics.FromImage(canvas) && red.Create(kRed));
    EXPECT_TRUE(graphics.TranslateTransform(20, 0));
    EXPECT_TRUE(step(graphics));
    EXPECT_TRUE(graphics.FillRectangle(red, {10, 10, 5, 5}));
    return canvas;
}

TEST_F(SkinPlus, ScaleAtAndRotateAtActAboutThePointInEitherOrder) {
    using Gdiplus::MatrixOrderAppend;
    using Gdiplus::MatrixOrderPrepend;
    const PointF at(10, 10);
    struct Case {
        const char* name;
        PlusImage canvas;
        POINT inside, outside;
    };
    const Case cases[] = {
        // Appended: about (10, 10) of the surface, after the translation.
        {"scale appended",
         SquareAfter([&](PlusGraphics& g) { return g.ScaleAt(2, 2, at, MatrixOrderAppend); }),
         {55, 15},
         {35, 15}},
        // Prepended: about (10, 10) of the drawing, before the translation.
        {"scale prepended",
         SquareAfter([&](PlusGraphics& g) { return g.ScaleAt(2, 2, at, MatrixOrderPrepend); }),
         {35, 15},
         {55, 15}},
        {"rotate appended",
         SquareAfter([&](PlusGraphics& g) { return g.RotateAt(90, at, MatrixOrderAppend); }),
         {7, 32},
         {27, 12}},
        {"rotate prepended",
         SquareAfter([&](PlusGraphics& g) { return g.RotateAt(90, at, MatrixOrderPrepend); }),
         {27, 12},
         {7, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Hex(c.canvas.GetPixel(c.inside.x, c.inside.y)), Hex(kRed));
        EXPECT_EQ(Hex(c.canvas.GetPixel(c.outside.x, c.outside.y)), Hex(0));
    }
}

// What a path covers, enough to tell two round rectangles apart. The box is
// large so that even 1 % corners (20 x 10) are whole pixels.
struct PathShape {
    int points;
    float left, top, width, height;
    bool tipCovered;    // (2, 1): outside any rounded corner
    bool flankCovered;  // (150, 80): outside the ellipse only
    bool operator==(const PathShape&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PathShape& shape) {
    return out << shape.points << " points in (" << shape.left << ", " << shape.top << ", "
               << shape.width << ", " << shape.height << ")" << (shape.tipCovered ? ", tip" : "")
               << (shape.flankCovered ? ", flank" : "");
}

PathShape RoundRectangleShape(int roundness) {
    PlusPath path;
    EXPECT_TRUE(path.Create());
    EXPECT_TRUE(path.AddRoundRectangle({0, 0, 2000, 1000}, roundness));
    const RectF bounds = path.Bounds();
    return {path.PointCount(), bounds.X, bounds.Y, bounds.Width, bounds.Height,
            path.IsVisible({2, 1}), path.IsVisible({150, 80})};
}

TEST_F(SkinPlus, RoundRectangleRoundnessIsClampedToOneToAHundredPerCent) {
    const PathShape slightlyRound = RoundRectangleShape(1);
    const PathShape ellipse = RoundRectangleShape(100);
    EXPECT_FALSE(slightlyRound.tipCovered);
    EXPECT_TRUE(slightlyRound.flankCovered);
    EXPECT_FALSE(ellipse.flankCovered);
    EXPECT_NEAR(ellipse.width, 2000, 0.1);
    EXPECT_NEAR(ellipse.height, 1000, 0.1);
    EXPECT_EQ(RoundRectangleShape(0), slightlyRound);
    EXPECT_EQ(RoundRectangleShape(-5), slightlyRound);
    EXPECT_EQ(RoundRectangleShape(250), ellipse);
}

TEST_F(SkinPlus, ClipsToAPathAndToARegionUntilReset) {
    PlusPath ellipse;
    ASSERT_TRUE(ellipse.Create() && ellipse.AddRoundRectangle({0, 0, 40, 40}, 100));
    PlusRegion region;
    ASSERT_TRUE(region.CreateFromPath(ellipse));
    EXPECT_FALSE(region.IsVisible({2, 2}));
    ASSERT_TRUE(region.CombineRect({0, 0, 5, 5}, Gdiplus::CombineModeUnion));
    EXPECT_TRUE(region.IsVisible({2, 2}));

    PlusImage canvas = Canvas(40, 40);
    PlusGraphics graphics;
    PlusSolidBrush brush;
    ASSERT_TRUE(graphics.FromImage(canvas) && brush.Create(kRed));
    ASSERT_TRUE(graphics.SetClipPath(ellipse));
    ASSERT_TRUE(graphics.FillRectangle(brush, {0, 0, 40, 40}));
    EXPECT_EQ(Hex(canvas.GetPixel(20, 20)), Hex(kRed));
    EXPECT_EQ(Hex(canvas.GetPixel(2, 2)), Hex(0));
    EXPECT_EQ(Hex(canvas.GetPixel(37, 2)), Hex(0));

    ASSERT_TRUE(brush.SetColour(kBlue) && graphics.SetClipRegion(region));
    ASSERT_TRUE(graphics.FillRectangle(brush, {0, 0, 40, 40}));
    EXPECT_EQ(Hex(canvas.GetPixel(2, 2)), Hex(kBlue));
    EXPECT_EQ(Hex(canvas.GetPixel(37, 2)), Hex(0));

    ASSERT_TRUE(graphics.ResetClip() && graphics.FillRectangle(brush, {0, 0, 40, 40}));
    EXPECT_EQ(Hex(canvas.GetPixel(37, 2)), Hex(kBlue));
}

TEST_F(SkinPlus, LinearGradientsBlendAlongTheirDirection) {
    PlusImage canvas = Canvas(100, 100);
    PlusGraphics graphics;
    PlusLinearGradientBrush across, down;
    ASSERT_TRUE(graphics.FromImage(canvas));
    ASSERT_TRUE(across.CreateFromRect({0, 0, 100, 50}, 0xFF000000, 0xFFFFFFFF,
                                      Gdiplus::LinearGradientModeHorizontal,
                                      Gdiplus::WrapModeTileFlipXY));
    ASSERT_TRUE(down.Create({0, 50}, {0, 100}, 0xFF000000, 0xFFFFFFFF));
    ASSERT_TRUE(graphics.FillRectangle(across, {0, 0, 100, 50}));
    ASSERT_TRUE(graphics.FillRectangle(down, {0, 50, 100, 50}));
    const auto blue = [&](int x, int y) { return canvas.GetPixel(x, y) & 0xFF; };
    EXPECT_LT(blue(2, 10), blue(50, 10));
    EXPECT_LT(blue(50, 10), blue(97, 10));
    EXPECT_EQ(blue(50, 10), blue(50, 40));  // horizontal: rows alike
    EXPECT_LT(blue(50, 52), blue(50, 75));
    EXPECT_LT(blue(50, 75), blue(50, 97));
    EXPECT_EQ(blue(10, 75), blue(90, 75));
}

TEST_F(SkinPlus, DrawsPartsOfImagesNearestNeighbourAndThroughAColourMatrix) {
    PlusImage source;
    ASSERT_TRUE(source.LoadFromBytes(RedBluePng()));
    PlusImage canvas = Canvas(8, 2);
    PlusGraphics graphics;
    PlusImageAttributes none, halfOpaque;
    ASSERT_TRUE(graphics.FromImage(canvas) && halfOpaque.Create());
    ASSERT_TRUE(halfOpaque.SetColourMatrix(OpacityMatrix(0.5f)));
    ASSERT_TRUE(graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
    ASSERT_TRUE(graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf));
    EXPECT_EQ(graphics.GetInterpolationMode(), Gdiplus::InterpolationModeNearestNeighbor);

    ASSERT_TRUE(graphics.DrawImageRectRectAttr(source, {0, 0, 4, 1}, {0, 0, 2, 1},
                                               Gdiplus::UnitPixel, &none));
    ASSERT_TRUE(graphics.DrawImageRectRectAttr(source, {4, 0, 4, 1}, {1, 0, 1, 1},
                                               Gdiplus::UnitPixel, &halfOpaque));
    ASSERT_TRUE(graphics.DrawImageRect(source, {0, 1, 2, 1}));
    const Argb expectedTop[] = {kRed, kRed, kBlue, kBlue};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Hex(canvas.GetPixel(x, 0)), Hex(expectedTop[x])) << x;
    for (int x = 4; x < 8; ++x) {
        const Argb pixel = canvas.GetPixel(x, 0);
        EXPECT_NEAR(static_cast<int>(pixel >> 24), 128, 2) << x;
        EXPECT_EQ(pixel & 0xFFFFFF, 0x0000FFu) << x;
    }
    EXPECT_EQ(Hex(canvas.GetPixel(0, 1)), Hex(kRed));
    EXPECT_EQ(Hex(canvas.GetPixel(1, 1)), Hex(kBlue));
}

TEST_F(SkinPlus, DrawsIntoADeviceContextThroughACachedBitmap) {
    void* bits = nullptr;
    const runtime::UniqueBitmap dib = runtime::CreateTopDownDib(4, 2, &bits);
    ASSERT_TRUE(dib);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, dib.get());
    {
        PlusImage source;
        PlusGraphics graphics;
        PlusCachedBitmap cached;
        ASSERT_TRUE(source.LoadFromBytes(RedBluePng()) && graphics.FromDC(dc));
        ASSERT_TRUE(graphics.Clear(kGreen));
        ASSERT_TRUE(cached.Create(source, graphics));
        ASSERT_TRUE(graphics.DrawCachedBitmap(cached, 1, 1));
        ASSERT_TRUE(graphics.Flush(Gdiplus::FlushIntentionSync));
    }
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    const auto rgb = [&](int x, int y) { return pixels[y * 4 + x] & 0xFFFFFFu; };
    EXPECT_EQ(rgb(0, 0), 0x00FF00u);
    EXPECT_EQ(rgb(1, 1), 0xFF0000u);
    EXPECT_EQ(rgb(2, 1), 0x0000FFu);
    EXPECT_EQ(rgb(3, 1), 0x00FF00u);
    SelectObject(dc, previous);
    DeleteDC(dc);
}

TEST_F(SkinPlus, TakesGdiBitmapsAndCopiesImages) {
    void* bits = nullptr;
    const runtime::UniqueBitmap dib = runtime::CreateTopDownDib(2, 1, &bits);
    ASSERT_TRUE(dib);
    static_cast<std::uint32_t*>(bits)[0] = 0x00FF0000;
    static_cast<std::uint32_t*>(bits)[1] = 0x000000FF;
    PlusImage fromGdi;
    ASSERT_TRUE(fromGdi.CreateFromHBitmap(dib.get()));
    const PlusImage copy = fromGdi.Clone();
    fromGdi.Dispose();
    EXPECT_EQ(Hex(copy.GetPixel(0, 0) | 0xFF000000), Hex(kRed));
    EXPECT_EQ(Hex(copy.GetPixel(1, 0) | 0xFF000000), Hex(kBlue));
}

TEST_F(SkinPlus, FontsComeFromNamesGdiFontsAndTheDefaultGuiFont) {
    PlusFont font;
    EXPECT_FALSE(font.CreateFromFamilyName("No Such Vorn Face", 12));
    EXPECT_EQ(LastPlusStatus(), Gdiplus::FontFamilyNotFound);
    EXPECT_EQ(font.Native(), nullptr);

    ASSERT_TRUE(font.CreateFromFamilyName(kFace, 12, Gdiplus::FontStyleBold));
    EXPECT_EQ(font.Size(), 12);
    PlusFontFamily named, ofFont;
    ASSERT_TRUE(named.CreateFromName(kFace) && ofFont.FromFont(font));
    EXPECT_FALSE(ofFont.Name().empty());
    EXPECT_EQ(ofFont.Name(), named.Name());

    LOGFONTW description{};
    description.lfHeight = -20;
    lstrcpynW(description.lfFaceName, runtime::Widen(kFace).c_str(), LF_FACESIZE);
    const HFONT gdiFont = CreateFontIndirectW(&description);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, gdiFont);
    EXPECT_TRUE(font.FromHFont(dc, gdiFont));
    EXPECT_EQ(font.Size(), 20);
    EXPECT_TRUE(font.FromHFont(dc, nullptr));  // the font selected into the DC
    EXPECT_EQ(font.Size(), 20);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(gdiFont);

    // The stock GUI font as the screen shows it. (Wine's GDI+ lists no built-in
    // faces, so there both ways fail alike.)
    PlusFont stock;
    const HDC screen = GetDC(nullptr);
    const bool madeFromStock =
        stock.FromHFont(screen, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(font.FromDefaultGuiFont(), madeFromStock);
    EXPECT_EQ(font.Size(), stock.Size());
}

TEST_F(SkinPlus, TextPathsAndMeasuresFollowTheStringFormat) {
    PlusFontFamily family;
    ASSERT_TRUE(family.CreateFromName(kFace));
    const auto outlineLeft = [&](const PlusStringFormat& format) {
        PlusPath path;
        EXPECT_TRUE(path.Create());
        EXPECT_TRUE(
            path.AddString("Ab", family, Gdiplus::FontStyleRegular, 20, {0, 0, 200, 40}, format));
        EXPECT_GT(path.PointCount(), 0);
        return path.Bounds().X;
    };
    PlusStringFormat leading, centred;
    ASSERT_TRUE(leading.Create() && centred.Create());
    ASSERT_TRUE(centred.SetAlign(Gdiplus::StringAlignmentCenter) &&
                centred.SetLineAlign(Gdiplus::StringAlignmentCenter));
    EXPECT_LT(outlineLeft(leading), 20);
    EXPECT_GT(outlineLeft(centred), 60);

    PlusFont font;
    PlusImage canvas = Canvas(1, 1);
    PlusGraphics graphics;
    ASSERT_TRUE(font.Create(family, 12) && graphics.FromImage(canvas));
    const RectF narrow(0, 0, 60, 500);
    PlusStringFormat oneLine;
    ASSERT_TRUE(oneLine.Create(Gdiplus::StringFormatFlagsNoWrap));
    const std::string text = "word word word word";
    const float wrappedHeight = graphics.MeasureString(text, font, narrow).Height;
    const RectF single = graphics.MeasureString(text, font, narrow, &oneLine);
    EXPECT_GT(single.Height, 0);
    EXPECT_GT(wrappedHeight, 1.5f * single.Height);
    ASSERT_TRUE(oneLine.SetFlags(0));
    EXPECT_EQ(graphics.MeasureString(text, font, narrow, &oneLine).Height, wrappedHeight);
}

TEST_F(SkinPlus, EmptyWrappersAnswerFalseWithoutReachingGdiplus) {
    PlusImage missing;
    EXPECT_FALSE(missing.LoadFromBytes(Bytes(8, 0)));  // a known failure status
    const Gdiplus::Status failure = LastPlusStatus();
    ASSERT_NE(failure, Gdiplus::Ok);

    PlusImage image;
    PlusGraphics graphics;
    PlusSolidBrush brush;
    PlusPen pen;
    PlusPath path;
    PlusFont font;
    PlusImageAttributes attributes;
    EXPECT_EQ(image.Width(), 0u);
    EXPECT_EQ(image.GetPixel(0, 0), 0u);
    EXPECT_TRUE(image.SaveToBytes(kPngFormat).empty());
    EXPECT_EQ(image.Clone().Native(), nullptr);
    EXPECT_EQ(image.Rotate(45).Native(), nullptr);
    EXPECT_FALSE(graphics.FromImage(image));
    EXPECT_FALSE(graphics.Clear(kRed));
    EXPECT_FALSE(graphics.ScaleAt(2, 2, {1, 1}));
    EXPECT_FALSE(brush.SetColour(kRed));
    EXPECT_FALSE(pen.RotateAt(30, {1, 1}));
    EXPECT_FALSE(path.AddRoundRectangle({0, 0, 10, 10}, 50));
    EXPECT_EQ(path.PointCount(), 0);
    EXPECT_FALSE(attributes.SetColourMatrix(OpacityMatrix(0.5f)));
    EXPECT_EQ(font.Size(), 0);
    EXPECT_FALSE(brush.Delete());
    EXPECT_EQ(LastPlusStatus(), failure);

    // Half a pair: a real canvas with an empty brush or image draws nothing.
    PlusImage canvas = Canvas(2, 2);
    ASSERT_TRUE(graphics.FromImage(canvas));
    EXPECT_FALSE(graphics.FillRectangle(brush, {0, 0, 2, 2}));
    EXPECT_FALSE(graphics.DrawImage(image, 0, 0));
    EXPECT_EQ(LastPlusStatus(), Gdiplus::Ok);  // from making the graphics
}

TEST_F(SkinPlus, MovingHandsTheObjectOverAndLeavesTheSourceEmpty) {
    PlusSolidBrush first;
    ASSERT_TRUE(first.Create(kBlue));
    PlusSolidBrush second = std::move(first);
    EXPECT_EQ(first.NativeBrush(), nullptr);
    PlusImage canvas = Canvas(1, 1);
    PlusGraphics graphics;
    ASSERT_TRUE(graphics.FromImage(canvas));
    EXPECT_TRUE(graphics.FillRectangle(second, {0, 0, 1, 1}));
    EXPECT_EQ(Hex(canvas.GetPixel(0, 0)), Hex(kBlue));

    PlusImage loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(RedBluePng()));
    canvas = std::move(loaded);  // the old canvas goes, the loaded picture stays readable
    EXPECT_EQ(loaded.Native(), nullptr);
    EXPECT_EQ(Hex(canvas.GetPixel(1, 0)), Hex(kBlue));
}

// In the dying child: waits for the error box of thread `owner`, reports on
// stderr whether its message is exactly `expected`, and presses OK.
void AnswerErrorBox(DWORD owner, std::wstring expected) {
    std::thread([owner, expected] {
        for (int attempt = 0; attempt < 1000; ++attempt, Sleep(20)) {
            HWND box = nullptr;
            while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr)
                if (GetWindowThreadProcessId(box, nullptr) == owner) break;
            if (box == nullptr) continue;
            Sleep(50);
            bool matched = false;
            for (HWND text = nullptr; (text = FindWindowExW(box, text, L"Static", nullptr));) {
                wchar_t shown[512] = {};
                GetWindowTextW(text, shown, 512);
                matched = matched || expected == shown;
            }
            std::fputs(matched ? "error box matched\n" : "error box differs\n", stderr);
            std::fflush(stderr);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return;
        }
    }).detach();
}

TEST(SkinPlusDeathTest, AFunctionGdiplusLacksIsFatalAtItsFirstCall) {
    const auto callMissing = [] {
        AnswerErrorBox(
            GetCurrentThreadId(),
            L"运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“gdiplus.dll”中的输出命令"
            L"“GdipNoSuchVornCall”\r\n");
        runtime::SystemFunction<decltype(&Gdiplus::DllExports::GdipCreateSolidFill)> missing{
            PlusCalls::kLibrary, "GdipNoSuchVornCall"};
        Gdiplus::GpSolidFill* brush = nullptr;
        missing(kRed, &brush);
    };
    EXPECT_EXIT(callMissing(), ::testing::ExitedWithCode(-1), "error box matched");
}

}  // namespace
}  // namespace vorn::plus
