// The skin's painters, judged by the pixels they leave: text at alpha 230,
// the glow's halo, the frame's corners, stretched parts, cells and seams.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <utility>

#include "skin/frame_painter_win.h"
#include "plus/plus_startup_win.h"
#include "skin/skin_state_win.h"
#include "skin/text_painter_win.h"
#include "test_pictures.h"

namespace vorn::skin {
namespace {

int Alpha(plus::Argb argb) { return static_cast<int>(argb >> 24); }
int Channel(plus::Argb argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

// A transparent picture to paint into.
struct Canvas {
    plus::PlusImage image;
    plus::PlusGraphics graphics;
    int width, height;

    Canvas(int w, int h) : width(w), height(h) {
        EXPECT_TRUE(image.CreateBitmap(w, h));
        EXPECT_TRUE(graphics.FromImage(image));
    }
    plus::Argb At(int x, int y) const { return image.GetPixel(x, y); }
    // The smallest rectangle holding every pixel with some alpha, and the most alpha.
    std::pair<RectRecord, int> Ink() const {
        int left = width, top = height, right = -1, bottom = -1, most = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (const int alpha = Alpha(At(x, y)); alpha > 0) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    most = std::max(most, alpha);
                }
        return {{left, top, right - left + 1, bottom - top + 1}, most};
    }
};

class SkinPainters : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(plus::StartPlus(), 0u); }
    void SetUp() override { skin_.uiFontFace = "微软雅黑"; }

    static TextStyle Style(const char* text, Colour colour, float size, bool glow = false) {
        TextStyle style;
        style.text = text, style.colour = colour, style.size = size, style.glow = glow;
        return style;
    }

    SkinState skin_;
};

TEST_F(SkinPainters, PlainTextIsDrawnAtAlpha230OnlyInsideItsRectangle) {
    Canvas canvas(200, 60);
    DrawItemText(canvas.graphics, {20, 10, 150, 40}, Style("人形怪 Vorn", 0xFFFFFF, 24), skin_);
    const auto [ink, alpha] = canvas.Ink();
    EXPECT_EQ(alpha, 230);
    EXPECT_GE(ink.x, 20);
    EXPECT_GE(ink.y, 10);
    EXPECT_LE(ink.x + ink.width, 170);
    EXPECT_LE(ink.y + ink.height, 50);
    EXPECT_GT(ink.width, 80) << "the whole text, not one glyph";

    Canvas nothing(60, 30);
    DrawItemText(nothing.graphics, {0, 0, 60, 30}, Style("", 0xFFFFFF, 24), skin_);
    skin_.uiFontFace = "No Such Face";
    DrawItemText(nothing.graphics, {0, 0, 60, 30}, Style("Vorn", 0xFFFFFF, 24), skin_);
    EXPECT_EQ(nothing.Ink().second, 0);
}

TEST_F(SkinPainters, SizesBelowTenAreDrawnAtTwelve) {
    const auto inkOf = [&](float size) {
        Canvas canvas(80, 40);
        DrawItemText(canvas.graphics, {0, 0, 80, 40}, Style("国Vorn", 0, size), skin_);
        return canvas.Ink().first;
    };
    EXPECT_EQ(inkOf(9), inkOf(12));
    EXPECT_LT(inkOf(10).width, inkOf(12).width);
}

TEST_F(SkinPainters, GlowTextIsOpaqueOverAHaloInTheSkinsContrastColour) {
    skin_.textContrastColour = 0x00FF00;  // green
    Canvas plain(160, 56), glowing(160, 56);
    DrawItemText(plain.graphics, {0, 0, 160, 56}, Style("人形怪", 0x000000, 28), skin_);
    DrawItemText(glowing.graphics, {0, 0, 160, 56}, Style("人形怪", 0x000000, 28, true), skin_);
    int glyph = 0, halo = 0;
    for (int y = 0; y < 56; ++y) {
        for (int x = 0; x < 160; ++x) {
            const plus::Argb pixel = glowing.At(x, y);
            if (Alpha(plain.At(x, y)) == 230) {  // inside a glyph: black, opaque
                ++glyph;
                EXPECT_EQ(pixel, 0xFF000000u) << x << "," << y;
            } else if (Alpha(plain.At(x, y)) == 0 && Alpha(pixel) > 0) {  // beside one
                ++halo;
                EXPECT_GT(Channel(pixel, 8), 2 * std::max(Channel(pixel, 16), Channel(pixel, 0)))
                    << std::hex << pixel << " at " << std::dec << x << "," << y;
            }
        }
    }
    EXPECT_GT(glyph, 100);
    EXPECT_GT(halo, 100) << "the halo reaches past the glyphs";

    // Under 7 pixels wide there is no halo, but the text is there. (A glyph
    // that fits: Wine's GDI+ lays out no glyph wider than the rectangle.)
    Canvas narrow(6, 40);
    DrawItemText(narrow.graphics, {0, 0, 6, 40}, Style("l", 0x0000FF, 12, true), skin_);
    int red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 6; ++x) red += narrow.At(x, y) == 0xFFFF0000u;
    EXPECT_GE(red, 3);
}

// A frame strip in which every pixel tells its cell (red), its part of the
// cell (green: left 5 columns, middle 3, right 5) and its band (blue: top
// rows 0-3, middle 4-19, bottom 20-27).
constexpr plus::Argb CellColour(int cell, int part, int band) {
    return 0xFF000000u | static_cast<plus::Argb>(cell * 25) << 16 |
           static_cast<plus::Argb>(60 + part * 80) << 8 | static_cast<plus::Argb>(40 + band * 90);
}

plus::PlusImage SyntheticFrameStrip() {
    plus::PlusImage strip;
    EXPECT_TRUE(strip.LoadFromBytes(runtime::testing::BuildOpaquePng(138, 28, [](int x, int y) {
        const int column = x % kFrameCells.pitch, part = column < 5 ? 0 : column < 8 ? 1 : 2;
        return CellColour(x / kFrameCells.pitch + 1, part, y < 4 ? 0 : y < 20 ? 1 : 2) & 0xFFFFFF;
    })));
    return strip;
}

TEST_F(SkinPainters, FramesDrawTheirCellsPiecesStretchedBetweenTheCorners) {
    skin_.controlImages[kControlFrameCells] = SyntheticFrameStrip();
    Canvas tall(90, 70);
    tall.graphics.TranslateTransform(13, 7);
    DrawFrame(tall.graphics, skin_, 70, 60, kFramePanelDark);  // nine pieces of any state's cell
    const struct {
        int x, y, part, band;
    } expected[] = {{1, 1, 0, 0},   {68, 1, 2, 0},  {1, 58, 0, 2},  {68, 58, 2, 2},  // corners
                    {35, 1, 1, 0},  {35, 57, 1, 2}, {2, 30, 0, 1},  {67, 30, 2, 1},  // edges
                    {35, 30, 1, 1}, {10, 10, 1, 1}, {60, 48, 1, 1}};                 // centre
    for (const auto& e : expected)
        EXPECT_EQ(tall.At(13 + e.x, 7 + e.y), CellColour(kFramePanelDark, e.part, e.band))
            << e.x << "," << e.y;

    // Up to 28 high: three pieces, always 28 high, of a button cell or else cell 1.
    for (const auto& [state, cell] : {std::pair{kFramePressed, kFramePressed},
                                      std::pair{kFramePanelLight, kFrameNormal},
                                      std::pair{42, kFrameNormal}}) {
        Canvas canvas(400, 30);
        canvas.graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        DrawFrame(canvas.graphics, skin_, 390, 20, state);
        EXPECT_EQ(canvas.At(2, 1), CellColour(cell, 0, 0)) << state;
        EXPECT_EQ(canvas.At(200, 10), CellColour(cell, 1, 1)) << state;
        EXPECT_EQ(canvas.At(387, 25), CellColour(cell, 2, 2)) << state;
        EXPECT_EQ(Alpha(canvas.At(200, 28)), 0) << state;
        EXPECT_EQ(canvas.graphics.GetInterpolationMode(),
                  Gdiplus::InterpolationModeHighQualityBicubic)
            << "the caller's mode is restored";
    }
}

TEST_F(SkinPainters, FramesOfTheRealStripHaveNoSeamsWhereStretchedPiecesMeetFixedOnes) {
    LoadControlImages(skin_);
    for (int state = kFrameNormal; state <= kFrameFieldFocused; ++state) {
        for (const auto& [width, height] :
             {std::pair{90, 20}, std::pair{90, 40}, std::pair{146, 61}}) {
            Canvas canvas(170, 80);
            canvas.graphics.TranslateTransform(10, 10);
            DrawFrame(canvas.graphics, skin_, width, height, state);
            int seams = 0;  // inside the rounded corners the cells are opaque
            for (int y = 13; y < 10 + std::max(height, 28) - 3; ++y)
                for (int x = 13; x < 10 + width - 3; ++x) seams += Alpha(canvas.At(x, y)) != 255;
            EXPECT_EQ(seams, 0) << "state " << state << ", " << width << " x " << height;
        }
    }
}

}  // namespace
}  // namespace vorn::skin
