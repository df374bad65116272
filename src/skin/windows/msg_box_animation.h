// The message box's motion as numbers: the zoom-and-fade frames of opening
// and closing, the hover fade of one item and the flash that answers a click
// on the disabled owner. Platform-free; the box's timers step through these.
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

// The highlight of one item, 0 (none) to 100 (full), moving 20 a tick toward
// where it was sent, so a whole fade takes five ticks.
class HoverFade {
public:
    int Level() const { return level_; }
    bool Running() const { return target_ != level_; }
    void FadeIn() { target_ = 100; }
    void FadeOut() { target_ = 0; }
    // Jumps to the target: fades switched off.
    void Finish() { level_ = target_; }
    // One tick; true when the level changed.
    bool Step();

private:
    int level_ = 0;
    int target_ = 0;
};

inline constexpr int kFlashSteps = 10;

// Strength in per cent of the focus overlay at step 1..kFlashSteps of the
// flash: three rising pulses; 0 outside.
int FlashStrength(int step);

}  // namespace vorn::skin
