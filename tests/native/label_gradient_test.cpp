#include <gtest/gtest.h>

#include "runtime/controls/gradient.h"

namespace vorn::runtime {
namespace {

TEST(GradientColourAt, EdgesAndMiddleTakeTheThreeColours) {
    const Rgb colours[3] = {0xFFFFFF, 0x0088FF, 0x102030};
    EXPECT_EQ(GradientColourAt(colours, 0, 21), 0xFFFFFFu);
    EXPECT_EQ(GradientColourAt(colours, 10, 21), 0x0088FFu);
    EXPECT_EQ(GradientColourAt(colours, 20, 21), 0x102030u);
}

TEST(GradientColourAt, ChannelsAreInterpolatedSeparately) {
    // 21 rows: the middle is row 10, so row 5 lies half-way in the upper half
    // and row 15 half-way in the lower half.
    const Rgb colours[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    EXPECT_EQ(GradientColourAt(colours, 5, 21), 0x808000u);  // 127.5 rounds up
    EXPECT_EQ(GradientColourAt(colours, 15, 21), 0x008080u);
    const Rgb grey[3] = {0xC0C0C0, 0x000000, 0xC0C0C0};
    EXPECT_EQ(GradientColourAt(grey, 2, 21), 0x9A9A9Au);     // 192 * 8 / 10 = 153.6
    EXPECT_EQ(GradientColourAt(grey, 18, 21), 0x9A9A9Au);    // mirrored
}

TEST(GradientColourAt, EvenHeightHasItsMiddleBetweenTwoRows) {
    // 20 rows: the middle lies at 9.5, so neither row 9 nor row 10 is pure.
    const Rgb colours[3] = {0xFFFFFF, 0x000000, 0xFFFFFF};
    EXPECT_EQ(GradientColourAt(colours, 9, 20), 0x0D0D0Du);   // 255 * 0.5 / 9.5 = 13.4
    EXPECT_EQ(GradientColourAt(colours, 10, 20), 0x0D0D0Du);
    EXPECT_EQ(GradientColourAt(colours, 19, 20), 0xFFFFFFu);
}

TEST(GradientColourAt, DegenerateHeightsAndRowsOutsideStayOnTheEdgeColours) {
    const Rgb colours[3] = {0x112233, 0x445566, 0x778899};
    EXPECT_EQ(GradientColourAt(colours, 0, 1), 0x112233u);
    EXPECT_EQ(GradientColourAt(colours, 0, 0), 0x112233u);
    EXPECT_EQ(GradientColourAt(colours, -3, 10), 0x112233u);
    EXPECT_EQ(GradientColourAt(colours, 12, 10), 0x778899u);
    EXPECT_EQ(GradientColourAt(colours, 1, 2), 0x778899u);
}

}  // namespace
}  // namespace vorn::runtime
