#include "skin/windows/window_zoom_frames.h"

#include <algorithm>
#include <cmath>

namespace vorn::skin {
namespace {

constexpr int kStartGrow = -20;
constexpr int kStartAlpha = 120;

}  // namespace

ZoomFrame WindowShowFrame(int step) {
    if (step >= kWindowZoomSteps) return ZoomFrame{0, 255};
    // Eased out: quick at first, settling gently onto the window.
    const double t = std::max(0, step - 1) / static_cast<double>(kWindowZoomSteps - 1);
    const double eased = 1 - (1 - t) * (1 - t);
    return ZoomFrame{kStartGrow + static_cast<int>(std::lround(-kStartGrow * eased)),
                     kStartAlpha + static_cast<int>(std::lround((255 - kStartAlpha) * eased))};
}

ZoomFrame WindowHideFrame(int step) {
    return WindowShowFrame(kWindowZoomSteps + 1 - std::clamp(step, 1, kWindowZoomSteps));
}

int ZoomStepAt(unsigned long long elapsedMs) {
    const unsigned long long step = elapsedMs / kWindowZoomStepMs + 1;
    return static_cast<int>(std::min<unsigned long long>(step, kWindowZoomSteps));
}

}  // namespace vorn::skin
