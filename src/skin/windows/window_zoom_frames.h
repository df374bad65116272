// The show and hide motion of a skinned window as numbers: like the message
// box's opening, it starts 20 pixels small at alpha 120, but it grows
// straight to the window's size (never past it, so the window's rectangle
// holds every frame) while it becomes opaque; hiding runs it backwards.
// Platform-free; the window's timer steps through these.
#pragma once

#include "skin/windows/msg_box_animation.h"

namespace vorn::skin {

// Showing and hiding take this many steps; the last one is the whole window.
inline constexpr int kWindowZoomSteps = 12;
inline constexpr int kWindowZoomStepMs = 16;

// Step 1..kWindowZoomSteps of showing; at the last step (or later) the
// window as it is: full size, opaque.
ZoomFrame WindowShowFrame(int step);
// Step 1..kWindowZoomSteps - 1 of hiding, from the whole window down to
// the first frame of showing; at the last step the window is hidden.
ZoomFrame WindowHideFrame(int step);

// The step due `elapsedMs` after the start: steps a tick late are skipped,
// so the motion keeps its length whatever the timer does.
int ZoomStepAt(unsigned long long elapsedMs);

}  // namespace vorn::skin
