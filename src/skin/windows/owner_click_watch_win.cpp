#include "skin/windows/owner_click_watch_win.h"

#include <utility>

#include "runtime/base/error_report.h"

namespace vorn::skin {

OwnerClickWatch::OwnerClickWatch(HWND owner, std::function<void()> onClick)
    : onClick_(std::move(onClick)) {
    if (owner) Attach(owner);
}

bool OwnerClickWatch::IsPressOnDisabled(UINT message, LPARAM lParam) {
    if (message != WM_SETCURSOR || static_cast<SHORT>(LOWORD(lParam)) != HTERROR) return false;
    const UINT mouse = HIWORD(lParam);
    return mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONDOWN || mouse == WM_MBUTTONDOWN ||
           mouse == WM_XBUTTONDOWN;
}

LRESULT OwnerClickWatch::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsPressOnDisabled(message, lParam) && !IsWindowEnabled(handle())) {
        try {
            onClick_();
        } catch (...) {
            runtime::ReportCaughtException("the owner's click watch");
        }
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorn::skin
