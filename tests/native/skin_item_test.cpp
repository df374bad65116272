// The pieces every drawn item shares: its hover fade at the speeds of the
// box and of a skinned window, and which points its rectangles hold.
#include <gtest/gtest.h>

#include "skin/rect_record.h"
#include "skin/windows/hover_fade.h"

namespace vorn::skin {
namespace {

TEST(HoverFade, AWindowsFadeComesInQuicklyAndGoesOutSlower) {
    constexpr FadeSteps window{25, 13};
    HoverFade fade;
    fade.FadeIn();
    EXPECT_TRUE(fade.Lit());
    int ticks = 0;
    while (fade.Step(window)) ++ticks;
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(fade.Level(), kHoverFull);

    fade.FadeOut();
    EXPECT_FALSE(fade.Lit());
    ticks = 0;
    while (fade.Step(window)) ++ticks;
    EXPECT_EQ(ticks, 8) << "100 in steps of 13, the last one short";
    EXPECT_EQ(fade.Level(), 0);
    EXPECT_FALSE(fade.Step(window)) << "at rest nothing moves";
}

TEST(RectRecord, HoldsItsLeftAndTopEdgesButNotItsRightAndBottom) {
    const RectRecord rect{10, 20, 30, 40};
    EXPECT_TRUE(Contains(rect, 10, 20));
    EXPECT_TRUE(Contains(rect, 39, 59));
    EXPECT_FALSE(Contains(rect, 40, 30));
    EXPECT_FALSE(Contains(rect, 20, 60));
    EXPECT_FALSE(Contains(rect, 9, 30));
    EXPECT_FALSE(Contains(RectRecord{5, 5, 0, 0}, 5, 5)) << "an empty rectangle holds nothing";
}

}  // namespace
}  // namespace vorn::skin
