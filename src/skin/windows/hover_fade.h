// How far one item's highlight has come, 0 (none) to 100 (full), moving a
// step per tick of its window's fade timer toward where it was sent. The
// message box and the skinned windows fade their items with it.
#pragma once

namespace vorn::skin {

inline constexpr int kHoverFull = 100;

// How far a fade moves in one tick, up and down.
struct FadeSteps {
    int in = 20;
    int out = 20;
};
// Five ticks either way: the message box's buttons.
inline constexpr FadeSteps kEvenFade{20, 20};

class HoverFade {
public:
    int Level() const { return level_; }
    bool Running() const { return target_ != level_; }
    // Sent toward full (it may not be there yet).
    bool Lit() const { return target_ > 0; }
    void FadeIn() { target_ = kHoverFull; }
    void FadeOut() { target_ = 0; }
    // Jumps to the target: fades switched off, or nothing to be seen.
    void Finish() { level_ = target_; }
    // One tick; true when the level changed.
    bool Step(FadeSteps steps = kEvenFade);

private:
    int level_ = 0;
    int target_ = 0;
};

}  // namespace vorn::skin
