#include "skin/windows/msg_box_animation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorn::skin {
namespace {

struct Phase {
    int lastTick;  // the phase runs up to and including this tick
    int grow;      // per tick
    int alpha;     // per tick
};

// Frame `tick` of a motion that starts at `first` and then changes by the
// phase of each later tick.
template <std::size_t N>
ZoomFrame Play(ZoomFrame first, const std::array<Phase, N>& phases, int tick) {
    ZoomFrame frame = first;
    for (int k = 2; k <= tick; ++k) {
        const auto phase = std::find_if(phases.begin(), phases.end(),
                                        [k](const Phase& p) { return k <= p.lastTick; });
        if (phase == phases.end()) break;
        frame.grow += phase->grow;
        frame.alpha += phase->alpha;
    }
    frame.alpha = std::clamp(frame.alpha, 0, 255);
    return frame;
}

constexpr std::array<Phase, 2> kOpening{{{9, 6, 10}, {14, -6, 10}}};
constexpr std::array<Phase, 3> kClosing{{{4, -5, -10}, {10, 5, -30}, {14, 8, -10}}};

}  // namespace

ZoomFrame OpeningFrame(int tick) {
    if (tick >= kZoomTicks) return ZoomFrame{0, 255};
    return Play(ZoomFrame{-20, 120}, kOpening, tick);
}

ZoomFrame ClosingFrame(int tick) { return Play(ZoomFrame{0, 255}, kClosing, tick); }

double ZoomTickDueMs(int tick, int tickMs) { return static_cast<double>(tick) * tickMs; }

int ZoomTickAt(double elapsedMs, int tickMs) {
    if (tickMs <= 0) return kZoomTicks;
    const double ticks = std::floor((elapsedMs + kZoomTickSlackMs) / tickMs);
    return static_cast<int>(std::clamp(ticks, 1.0, static_cast<double>(kZoomTicks)));
}

int ZoomDelayMs(int shownTick, double elapsedMs, int tickMs) {
    const double wait = ZoomTickDueMs(shownTick + 1, tickMs) - elapsedMs;
    return wait <= 1.0 ? 1 : static_cast<int>(std::ceil(wait));
}

int FlashStrength(int step) {
    constexpr std::array<int, kFlashSteps> kStrengths{0, 25, 50, 75, 0, 50, 100, 0, 50, 100};
    return step >= 1 && step <= kFlashSteps ? kStrengths[static_cast<std::size_t>(step - 1)] : 0;
}

}  // namespace vorn::skin
