#include <gtest/gtest.h>

#include <cmath>

#include "plus/rotated_size.h"

namespace vorn::plus {
namespace {

TEST(RotatedSize, SpansTheCentresOfTheCornerPixels) {
    const RotatedExtent upright = RotatedSize(5, 3, 0);
    EXPECT_DOUBLE_EQ(upright.width, 4);
    EXPECT_DOUBLE_EQ(upright.height, 2);
    // A quarter turn swaps the spans (to within the short pi used).
    const RotatedExtent quarter = RotatedSize(5, 3, 90);
    EXPECT_NEAR(quarter.width, 2, 1e-9);
    EXPECT_NEAR(quarter.height, 4, 1e-9);
    EXPECT_NEAR(RotatedSize(5, 3, -270).width, 2, 1e-9);
    // At 45 degrees both spans are the diagonal sum (4 + 2) / sqrt(2).
    const RotatedExtent diagonal = RotatedSize(5, 3, 45);
    EXPECT_NEAR(diagonal.width, 6 / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(diagonal.height, 6 / std::sqrt(2.0), 1e-9);
}

TEST(RotatedSize, ASinglePixelHasNoExtentAtAnyAngle) {
    for (const double degrees : {0.0, 30.0, 45.0, 90.0, 123.4, 180.0, 270.0, 360.0, -45.0}) {
        const RotatedExtent extent = RotatedSize(1, 1, degrees);
        EXPECT_EQ(extent.width, 0) << degrees;
        EXPECT_EQ(extent.height, 0) << degrees;
    }
}

}  // namespace
}  // namespace vorn::plus
