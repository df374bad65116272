// Where a skinned window's items sit: the caption buttons a window allows,
// the title beside them, and the size rules of the program's items.
#include <gtest/gtest.h>

#include "skin/windows/frame_geometry.h"

namespace vorn::skin {
namespace {

TEST(FrameGeometry, WithoutIconOrButtonsTheTitleTakesTheWholeCaption) {
    const auto items = BuildFrameItems(400, {.captionButtons = false, .minimiseBox = true,
                                             .maximiseBox = true, .icon = false});
    EXPECT_EQ(items[1].rect, (RectRecord{5, 5, 395, 20}));
    for (int i = 2; i <= 5; ++i) EXPECT_FALSE(items[static_cast<std::size_t>(i)].visible) << i;
    EXPECT_EQ(items[0].rect, (RectRecord{0, 0, 400, 30})) << "the caption area is always there";
}

TEST(FrameGeometry, ANarrowWindowLeavesTheTitleNoWidthRatherThanANegativeOne) {
    const auto items = BuildFrameItems(60, {.minimiseBox = true, .maximiseBox = true});
    EXPECT_EQ(items[1].rect.width, 0);
    EXPECT_EQ(items[4].rect.x, 60 - 48 - 29 - 30);
}

TEST(FrameGeometry, ImageButtonPicturesAre16Or24PixelsSquareNearTheLeftEdge) {
    const RectRecord button{100, 50, 88, 32};
    EXPECT_EQ(ImageButtonPictureRect(button, 16, 16), (RectRecord{106, 58, 16, 16}));
    EXPECT_EQ(ImageButtonPictureRect(button, 22, 22), (RectRecord{106, 58, 16, 16}));
    EXPECT_EQ(ImageButtonPictureRect(button, 23, 10), (RectRecord{105, 54, 24, 24}));
    EXPECT_EQ(ImageButtonHeight(20), 28);
    EXPECT_EQ(ImageButtonHeight(32), 32);
}

TEST(FrameGeometry, PicturesFitTheirBoxKeepingTheirShape) {
    // The 41 x 42 badge in the 48 x 32 link box: height-bound, centred.
    EXPECT_EQ(FitCentred({5, 259, 48, 32}, 41, 42), (RectRecord{13, 259, 31, 32}));
    // A wide strip cell is width-bound.
    EXPECT_EQ(FitCentred({0, 0, 20, 20}, 40, 10), (RectRecord{0, 7, 20, 5}));
    EXPECT_EQ(FitCentred({3, 4, 20, 20}, 0, 10), (RectRecord{3, 4, 0, 0}));
}

}  // namespace
}  // namespace vorn::skin
