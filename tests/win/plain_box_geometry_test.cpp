// The plain box's geometry and the reduction of a caller's picture to its icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/plain_box_layout_win.h"
#include "runtime/plain_box_picture_win.h"

namespace vorn::runtime {
namespace {

bool Overlap(const RECT& a, const RECT& b) {
    RECT common{};
    return IntersectRect(&common, &a, &b) != FALSE;
}

bool Inside(const RECT& inner, SIZE outer) {
    return inner.left >= 0 && inner.top >= 0 && inner.right <= outer.cx && inner.bottom <= outer.cy;
}

PlainBoxMeasures TipMeasures() {
    PlainBoxMeasures measures;
    measures.message = SIZE{108, 16};
    measures.captions = {SIZE{24, 16}, SIZE{24, 16}};
    measures.option = SIZE{48, 16};
    measures.hasOption = true;
    measures.hasIcon = true;
    measures.centreVertically = true;
    measures.minClientWidth = 294;
    return measures;
}

TEST(PlainBoxLayout, PartsStayInsideTheClientAndApart) {
    for (const bool icon : {false, true})
        for (const bool option : {false, true}) {
            PlainBoxMeasures measures = TipMeasures();
            measures.hasIcon = icon;
            measures.hasOption = option;
            measures.captions = {SIZE{24, 16}, SIZE{48, 16}, SIZE{150, 16}};
            const PlainBoxLayout layout = LayOutPlainBox(measures);

            std::vector<RECT> parts = layout.captions;
            parts.push_back(layout.message);
            parts.push_back(layout.closeButton);
            if (icon) parts.push_back(layout.icon);
            if (option) parts.push_back(layout.option);
            for (std::size_t i = 0; i < parts.size(); ++i) {
                EXPECT_TRUE(Inside(parts[i], layout.client)) << "part " << i;
                for (std::size_t j = i + 1; j < parts.size(); ++j)
                    EXPECT_FALSE(Overlap(parts[i], parts[j])) << "parts " << i << " and " << j;
            }
            EXPECT_EQ(IsRectEmpty(&layout.icon) == FALSE, icon);
            EXPECT_EQ(IsRectEmpty(&layout.option) == FALSE, option);
        }
}

TEST(PlainBoxLayout, ButtonsRunRightToLeftInTheBarAndFitTheirText) {
    PlainBoxMeasures measures = TipMeasures();
    measures.captions = {SIZE{24, 16}, SIZE{130, 16}, SIZE{24, 16}};
    const PlainBoxLayout layout = LayOutPlainBox(measures);
    ASSERT_EQ(layout.captions.size(), 3u);
    EXPECT_LT(layout.captions[1].right, layout.captions[0].left);
    EXPECT_LT(layout.captions[2].right, layout.captions[1].left);
    EXPECT_GT(layout.captions[1].right - layout.captions[1].left, 130) << "wide caption";
    EXPECT_EQ(layout.captions[0].right - layout.captions[0].left,
              layout.captions[2].right - layout.captions[2].left) << "short captions share a minimum";
    for (const RECT& button : layout.captions) EXPECT_GT(button.top, layout.barTop);
    EXPECT_LT(layout.option.right, layout.captions[2].left);
    EXPECT_GT(layout.barTop, layout.message.bottom);
    EXPECT_GT(layout.barTop, layout.icon.bottom);
}

TEST(PlainBoxLayout, WidthIsTheMinimumUnlessTextOrButtonsNeedMore) {
    PlainBoxMeasures measures = TipMeasures();
    EXPECT_EQ(LayOutPlainBox(measures).client.cx, 294);

    measures.message = SIZE{600, 16};
    const PlainBoxLayout wideText = LayOutPlainBox(measures);
    EXPECT_GT(wideText.client.cx, 600);
    EXPECT_GE(wideText.message.right - wideText.message.left, 600);
    EXPECT_LE(wideText.message.right, wideText.closeButton.left) << "text keeps clear of the close button";

    measures = TipMeasures();
    measures.captions.assign(6, SIZE{24, 16});
    const PlainBoxLayout manyButtons = LayOutPlainBox(measures);
    EXPECT_GT(manyButtons.client.cx, 294);
    EXPECT_GT(manyButtons.captions.back().left, manyButtons.option.right);
}

TEST(PlainBoxLayout, CentreVerticallyCentresAShortTextOnTheIconAndTopAlignsOtherwise) {
    PlainBoxMeasures measures = TipMeasures();
    const PlainBoxLayout centred = LayOutPlainBox(measures);
    const int textMiddle = (centred.message.top + centred.message.bottom) / 2;
    const int iconMiddle = (centred.icon.top + centred.icon.bottom) / 2;
    EXPECT_NEAR(textMiddle, iconMiddle, 1);

    measures.centreVertically = false;
    const PlainBoxLayout top = LayOutPlainBox(measures);
    EXPECT_EQ(top.message.top, top.icon.top);

    // A text taller than the icon sets the height; the icon stays at its top.
    measures.centreVertically = true;
    measures.message = SIZE{200, 160};
    const PlainBoxLayout tall = LayOutPlainBox(measures);
    EXPECT_EQ(tall.message.top, tall.icon.top);
    EXPECT_EQ(tall.message.bottom - tall.message.top, 160);
    EXPECT_GT(tall.client.cy, centred.client.cy + 100);
}

TEST(PlainBoxLayout, MessageStartsRightOfTheIcon) {
    PlainBoxMeasures measures = TipMeasures();
    const PlainBoxLayout withIcon = LayOutPlainBox(measures);
    EXPECT_EQ(withIcon.icon.right - withIcon.icon.left, kPlainBoxIconSize);
    EXPECT_EQ(withIcon.icon.bottom - withIcon.icon.top, kPlainBoxIconSize);
    EXPECT_GT(withIcon.message.left, withIcon.icon.right);

    measures.hasIcon = false;
    const PlainBoxLayout withoutIcon = LayOutPlainBox(measures);
    EXPECT_LT(withoutIcon.message.left, withIcon.message.left);
}

TEST(PlacePlainBox, CentresOverTheOwnerOrTheWorkAreaAndStaysOnIt) {
    const RECT workArea{0, 0, 1280, 1000};
    const RECT owner{100, 200, 633, 520};
    const POINT overOwner = PlacePlainBox(SIZE{300, 160}, &owner, workArea);
    EXPECT_EQ(overOwner.x, 216);  // 100 + (533 - 300) / 2
    EXPECT_EQ(overOwner.y, 280);  // 200 + (320 - 160) / 2

    const POINT onScreen = PlacePlainBox(SIZE{300, 160}, nullptr, workArea);
    EXPECT_EQ(onScreen.x, 490);
    EXPECT_EQ(onScreen.y, 420);

    const RECT nearCorner{-400, 900, 133, 1220};
    const POINT kept = PlacePlainBox(SIZE{300, 160}, &nearCorner, workArea);
    EXPECT_EQ(kept.x, 0);
    EXPECT_EQ(kept.y, 840);

    const POINT huge = PlacePlainBox(SIZE{2000, 1200}, &owner, workArea);
    EXPECT_EQ(huge.x, 0) << "the top left corner stays visible";
    EXPECT_EQ(huge.y, 0);
}

// --- picture reduction ---------------------------------------------------------------

constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

TEST(ResamplePixels, AveragesEachChannelOverTheCoveredArea) {
    const std::vector<std::uint32_t> square = {Argb(255, 200, 0, 0), Argb(255, 0, 100, 0),
                                               Argb(0, 0, 0, 0), Argb(255, 0, 0, 40)};
    EXPECT_EQ(ResamplePixels(square, SIZE{2, 2}, SIZE{1, 1}),
              std::vector<std::uint32_t>{Argb(191, 50, 25, 10)});

    // Three columns into two: the middle column is split between both.
    const std::vector<std::uint32_t> row = {Argb(255, 90, 0, 0), Argb(255, 0, 90, 0),
                                            Argb(255, 0, 0, 90)};
    EXPECT_EQ(ResamplePixels(row, SIZE{3, 1}, SIZE{2, 1}),
              (std::vector<std::uint32_t>{Argb(255, 60, 30, 0), Argb(255, 0, 30, 60)}));
}

TEST(ResamplePixels, KeepsUniformPicturesUniformInBothDirections) {
    const std::uint32_t colour = Argb(128, 100, 50, 25);
    const std::vector<std::uint32_t> uniform(5 * 3, colour);
    EXPECT_EQ(ResamplePixels(uniform, SIZE{5, 3}, SIZE{2, 2}), std::vector<std::uint32_t>(4, colour));
    EXPECT_EQ(ResamplePixels(uniform, SIZE{5, 3}, SIZE{7, 9}), std::vector<std::uint32_t>(63, colour));

    // Enlarging keeps each source pixel's colour over its own share.
    const std::vector<std::uint32_t> two = {Argb(255, 255, 0, 0), Argb(255, 0, 0, 255)};
    const std::vector<std::uint32_t> four = ResamplePixels(two, SIZE{2, 1}, SIZE{4, 1});
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[0], two[0]);
    EXPECT_EQ(four[1], two[0]);
    EXPECT_EQ(four[2], two[1]);
    EXPECT_EQ(four[3], two[1]);
}

TEST(ResamplePixels, RefusesSizesThatDoNotMatchThePixels) {
    const std::vector<std::uint32_t> pixels(6, 0);
    EXPECT_TRUE(ResamplePixels(pixels, SIZE{2, 2}, SIZE{1, 1}).empty());
    EXPECT_TRUE(ResamplePixels(pixels, SIZE{3, 2}, SIZE{0, 1}).empty());
    EXPECT_TRUE(ResamplePixels({}, SIZE{0, 0}, SIZE{1, 1}).empty());
}

// A top-down 32-bit DIB section filled with one value.
UniqueBitmap FilledSection(int width, int height, std::uint32_t pixel) {
    void* bits = nullptr;
    UniqueBitmap bitmap = CreateTopDownDib(width, height, &bits);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) pixels[i] = pixel;
    return bitmap;
}

std::uint32_t PixelOf(HBITMAP bitmap, int x, int y) {
    DIBSECTION section{};
    GetObjectW(bitmap, sizeof(section), &section);
    const auto* row = static_cast<const std::uint8_t*>(section.dsBm.bmBits) + y * section.dsBm.bmWidthBytes;
    return reinterpret_cast<const std::uint32_t*>(row)[x];
}

TEST(MakeIconPicture, FitsAWidePictureIntoTheSquareCentredAndTransparentAround) {
    const UniqueBitmap wide = FilledSection(100, 50, Argb(255, 10, 20, 30));
    const UniqueBitmap icon = MakeIconPicture(wide.get(), 48);
    ASSERT_TRUE(icon);
    const SIZE size = BitmapSize(icon.get());
    EXPECT_EQ(size.cx, 48);
    EXPECT_EQ(size.cy, 48);
    // 100 x 50 becomes 48 x 24, rows 12 to 35.
    EXPECT_EQ(PixelOf(icon.get(), 0, 11), 0u);
    EXPECT_EQ(PixelOf(icon.get(), 0, 12), Argb(255, 10, 20, 30));
    EXPECT_EQ(PixelOf(icon.get(), 47, 35), Argb(255, 10, 20, 30));
    EXPECT_EQ(PixelOf(icon.get(), 47, 36), 0u);
}

TEST(MakeIconPicture, TakesAPictureWithoutAlphaAsOpaque) {
    const UniqueBitmap noAlpha = FilledSection(48, 48, Argb(0, 1, 2, 3));
    const UniqueBitmap icon = MakeIconPicture(noAlpha.get(), 48);
    ASSERT_TRUE(icon);
    EXPECT_EQ(PixelOf(icon.get(), 24, 24), Argb(255, 1, 2, 3));
}

TEST(MakeIconPicture, GivesNothingForSomethingThatIsNotABitmap) {
    EXPECT_FALSE(MakeIconPicture(nullptr, 48));
    const UniqueBitmap picture = FilledSection(4, 4, Argb(255, 1, 1, 1));
    EXPECT_FALSE(MakeIconPicture(picture.get(), 0));
}

}  // namespace
}  // namespace vorn::runtime
