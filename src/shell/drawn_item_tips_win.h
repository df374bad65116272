// Tooltips over drawn items of a window: the system's tooltip control with
// one tool per item rectangle, watching the window's mouse itself.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "skin/rect_record.h"

namespace vorn::shell {

struct DrawnItemTip {
    skin::RectRecord rect;  // client coordinates
    std::string text;       // UTF-8
};

class DrawnItemTips {
public:
    DrawnItemTips(HWND window, const std::vector<DrawnItemTip>& tips);
    ~DrawnItemTips();
    DrawnItemTips(const DrawnItemTips&) = delete;
    DrawnItemTips& operator=(const DrawnItemTips&) = delete;

private:
    HWND tooltip_ = nullptr;
};

}  // namespace vorn::shell
