#include "skin/windows/hover_fade.h"

#include <algorithm>

namespace vorn::skin {

bool HoverFade::Step(FadeSteps steps) {
    if (!Running()) return false;
    level_ = level_ < target_ ? std::min(level_ + steps.in, target_)
                              : std::max(level_ - steps.out, target_);
    return true;
}

}  // namespace vorn::skin
