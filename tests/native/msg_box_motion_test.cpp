// The message box's opening and closing: every tick's size change and
// opacity, the clock the ticks keep (a late tick catches up instead of
// stretching the motion), and the scaling of the box's picture that each
// tick shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "skin/windows/msg_box_animation.h"
#include "skin/windows/pixel_zoom.h"

namespace vorn::skin {
namespace {

struct Expected {
    int grow;
    int alpha;
};

// Written out by hand, tick 1 to 15: the opening starts 20
// pixels small at alpha 120, grows 6 a tick (alpha +10) up to tick 9,
// shrinks 6 a tick (alpha +10) up to tick 14, and shows the box opaque at 15.
constexpr Expected kOpening[kZoomTicks] = {{-20, 120}, {-14, 130}, {-8, 140}, {-2, 150}, {4, 160},
                                           {10, 170},  {16, 180},  {22, 190}, {28, 200}, {22, 210},
                                           {16, 220},  {10, 230},  {4, 240},  {-2, 250}, {0, 255}};
// Tick 1 to 14 of the closing: the box at full opacity; -5 and -10 a tick up
// to tick 4; +5 and -30 up to tick 10; +8 and -10 up to tick 14 (15 hides it).
constexpr Expected kClosing[kZoomTicks - 1] = {{0, 255},  {-5, 245}, {-10, 235}, {-15, 225}, {-10, 195},
                                               {-5, 165}, {0, 135},  {5, 105},   {10, 75},   {15, 45},
                                               {23, 35},  {31, 25},  {39, 15},   {47, 5}};

TEST(MsgBoxMotion, OpeningAndClosingFramesAreTheSpecifiedSizesAndAlphas) {
    for (int tick = 1; tick <= kZoomTicks; ++tick) {
        EXPECT_EQ(OpeningFrame(tick).grow, kOpening[tick - 1].grow) << "opening tick " << tick;
        EXPECT_EQ(OpeningFrame(tick).alpha, kOpening[tick - 1].alpha) << "opening tick " << tick;
    }
    for (int tick = 1; tick < kZoomTicks; ++tick) {
        EXPECT_EQ(ClosingFrame(tick).grow, kClosing[tick - 1].grow) << "closing tick " << tick;
        EXPECT_EQ(ClosingFrame(tick).alpha, kClosing[tick - 1].alpha) << "closing tick " << tick;
    }
}

// The ticks a box shows when its timer fires at `delay` after each step, the
// timer arriving `late(n)` ms after it was due at the n-th firing: the
// elapsed time of each step and its tick, as the box's timer handler
// chooses them.
struct Shown {
    int tick;
    double elapsedMs;
};
template <typename Late>
std::vector<Shown> Simulate(int tickMs, Late late) {
    std::vector<Shown> shown;
    double now = 0;
    int tick = 1;  // shown at once
    shown.push_back({tick, now});
    for (int firing = 1; tick < kZoomTicks && firing < 100; ++firing) {
        now += ZoomDelayMs(tick, now, tickMs) + late(firing);
        const int due = ZoomTickAt(now, tickMs);
        if (due > tick) {
            tick = due;
            shown.push_back({tick, now});
        }
    }
    return shown;
}

TEST(MsgBoxMotion, OnTimeTicksVisitEveryFrameInOrderAndEndAfterFifteenTicks) {
    for (const int tickMs : {16, 18}) {
        const std::vector<Shown> shown = Simulate(tickMs, [](int) { return 0.3; });
        ASSERT_EQ(shown.size(), static_cast<std::size_t>(kZoomTicks)) << tickMs;
        for (int i = 0; i < kZoomTicks; ++i) EXPECT_EQ(shown[static_cast<std::size_t>(i)].tick, i + 1);
        // Due after 15 ticks; the timer waits whole milliseconds.
        EXPECT_NEAR(shown.back().elapsedMs, 15.0 * tickMs, 1.5) << "the motion keeps 15 ticks";
        for (std::size_t i = 1; i < shown.size(); ++i)
            EXPECT_GE(shown[i].elapsedMs, ZoomTickDueMs(shown[i].tick, tickMs) - kZoomTickSlackMs)
                << "no frame before it is due";
    }
}

TEST(MsgBoxMotion, ALateTickCatchesUpInsteadOfStretchingTheMotion) {
    // The fourth firing comes 40 ms late: the frames it missed are skipped.
    const std::vector<Shown> shown = Simulate(16, [](int firing) { return firing == 4 ? 40.0 : 0.0; });
    std::vector<int> ticks;
    for (const Shown& each : shown) ticks.push_back(each.tick);
    EXPECT_EQ(ticks, (std::vector<int>{1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_NEAR(shown.back().elapsedMs, 240.0, 1.5);

    // Every tick late by 20 ms of 16: each shows the frame due by then.
    const std::vector<Shown> slow = Simulate(16, [](int) { return 20.0; });
    EXPECT_EQ(slow.back().tick, kZoomTicks);
    EXPECT_LT(slow.back().elapsedMs, 240.0 + 16.0 + 20.0) << "ends with the first tick after it is due";
    for (std::size_t i = 1; i < slow.size(); ++i) {
        EXPECT_GT(slow[i].tick, slow[i - 1].tick) << "frames only go forward";
        EXPECT_EQ(slow[i].tick, ZoomTickAt(slow[i].elapsedMs, 16));
    }
}

// A picture of w x h pixels, top-down, every pixel `pixel`.
std::vector<std::uint32_t> Solid(int w, int h, std::uint32_t pixel) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), pixel);
}
ConstPixelRows View(const std::vector<std::uint32_t>& pixels, int w, int h) {
    return ConstPixelRows{pixels.data(), w, w, h};
}
std::uint32_t Alpha(std::uint32_t p) { return p >> 24; }
bool Premultiplied(std::uint32_t p) {
    return ((p >> 16) & 0xFF) <= Alpha(p) && ((p >> 8) & 0xFF) <= Alpha(p) && (p & 0xFF) <= Alpha(p);
}

TEST(PixelZoom, AtItsOwnSizeThePictureIsCopiedUnchangedAndTheRestIsTransparent) {
    std::vector<std::uint32_t> source(6 * 4);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<std::uint32_t>(0x80000000u | (i * 3) << 16 | (i * 5) << 8 | i);
    // Bottom-up rows, as a DIB holds them.
    std::vector<std::uint32_t> target(10 * 8, 0xDEADBEEF);
    const PixelRows rows{target.data() + 7 * 10, -10, 10, 8};
    ZoomPixels(View(source, 6, 4), rows, 2, 2, 6, 4);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 8 && y >= 2 && y < 6;
            const std::uint32_t expected =
                inside ? source[static_cast<std::size_t>((y - 2) * 6 + (x - 2))] : 0u;
            EXPECT_EQ(rows.Row(y)[x], expected) << x << ", " << y;
        }
}

TEST(PixelZoom, ScaledTheInsideKeepsItsColourAndTheEdgesFadeOut) {
    const std::uint32_t colour = 0xFF3366CCu;
    const std::vector<std::uint32_t> source = Solid(20, 10, colour);
    for (const auto& [left, top, width, height] :
         std::vector<std::tuple<double, double, int, int>>{{5, 5, 30, 15}, {7.5, 6.5, 15, 7}, {0, 0, 40, 25}}) {
        std::vector<std::uint32_t> target(40 * 25, 0xDEADBEEF);
        const PixelRows rows{target.data(), 40, 40, 25};
        ZoomPixels(View(source, 20, 10), rows, left, top, width, height);
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 40; ++x) {
                const std::uint32_t p = rows.Row(y)[x];
                EXPECT_TRUE(Premultiplied(p)) << x << ", " << y;
                const double cx = x + 0.5, cy = y + 0.5;
                if (cx > left + 1 && cx < left + width - 1 && cy > top + 1 && cy < top + height - 1) {
                    EXPECT_EQ(p, colour) << "inside " << x << ", " << y;
                }
                if (cx < left - 0.5 || cx > left + width + 0.5 || cy < top - 0.5 || cy > top + height + 0.5) {
                    EXPECT_EQ(p, 0u) << "outside " << x << ", " << y;
                }
            }
    }
}

}  // namespace
}  // namespace vorn::skin
