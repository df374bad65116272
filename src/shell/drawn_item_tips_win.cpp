#include "shell/drawn_item_tips_win.h"

#include <commctrl.h>

#include "runtime/base/utf_win.h"

namespace vorn::shell {

DrawnItemTips::DrawnItemTips(HWND window, const std::vector<DrawnItemTip>& tips) {
    // Owned by the window, so it goes with it.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr) return;
    UINT_PTR id = 1;
    for (const DrawnItemTip& tip : tips) {
        std::wstring text = runtime::Widen(tip.text);
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;  // accepted by every comctl32 version
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = id++;
        tool.rect = {tip.rect.x, tip.rect.y, tip.rect.x + tip.rect.width, tip.rect.y + tip.rect.height};
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

DrawnItemTips::~DrawnItemTips() {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

}  // namespace vorn::shell
