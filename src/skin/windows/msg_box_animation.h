// The message box's motion as numbers: the zoom-and-fade frames of opening
// and closing and the flash that answers a click on the disabled owner.
// Platform-free; the box's timers step through these.
#pragma once

namespace vorn::skin {

// Opening and closing take this many ticks of the animation timer.
inline constexpr int kZoomTicks = 15;

struct ZoomFrame {
    int grow = 0;   // pixels added to the box's width and height (negative: smaller)
    int alpha = 0;  // the whole window's opacity, 0..255
};

// Tick 1..kZoomTicks of the opening: from 20 pixels small and half
// transparent, swelling past the full size and settling, opaque at the last.
ZoomFrame OpeningFrame(int tick);
// Tick 1..kZoomTicks - 1 of the closing: a small dip, then growing while it
// fades out; at tick kZoomTicks the box is hidden.
ZoomFrame ClosingFrame(int tick);

// The motion keeps to its clock, not to how many timer ticks arrived: tick k
// (1..kZoomTicks) is due k ticks of `tickMs` after the motion started (the
// opening's ShowBox, the closing's request), so the motion ends kZoomTicks
// ticks after its start. A tick that comes late shows the frame due by then
// and skips the ones it missed.
double ZoomTickDueMs(int tick, int tickMs);
// The tick due `elapsedMs` after the start: 1 before the second is due (the
// first frame is shown at once), kZoomTicks from the end on. A tick up to
// kZoomTickSlackMs early counts as on time (timers keep whole milliseconds).
int ZoomTickAt(double elapsedMs, int tickMs);
inline constexpr double kZoomTickSlackMs = 1.0;
// How long from `elapsedMs` until the tick after `shownTick` is due, in
// whole milliseconds rounded up (at least 1): when the timer should tick next.
int ZoomDelayMs(int shownTick, double elapsedMs, int tickMs);

inline constexpr int kFlashSteps = 10;

// Strength in per cent of the focus overlay at step 1..kFlashSteps of the
// flash: three rising pulses; 0 outside.
int FlashStrength(int step);

}  // namespace vorn::skin
