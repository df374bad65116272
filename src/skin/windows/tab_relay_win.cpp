#include "skin/windows/tab_relay_win.h"

namespace vorn::skin {
namespace {

bool IsTabKey(const MSG* message) {
    return message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_TAB;
}

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool TabRelay::TakesTabItself() {
    return (Default(WM_GETDLGCODE, VK_TAB, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
}

LRESULT TabRelay::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            const LRESULT code = Default(message, wParam, lParam);
            if (IsTabKey(reinterpret_cast<const MSG*>(lParam))) return code | DLGC_WANTTAB;
            return code;
        }
        case WM_KEYDOWN:
            if (wParam != VK_TAB || Down(VK_CONTROL) || Down(VK_MENU) || TakesTabItself()) break;
            swallowTab_ = true;
            move_(handle(), Down(VK_SHIFT));
            return 0;
        case WM_CHAR:
            if (wParam == L'\t' && swallowTab_) {
                swallowTab_ = false;
                return 0;
            }
            break;
        default: break;
    }
    return Default(message, wParam, lParam);
}

void TabRelay::OnWindowGone() {
    const std::function<void(TabRelay&)> gone = std::move(gone_);
    if (gone) gone(*this);
}

}  // namespace vorn::skin
