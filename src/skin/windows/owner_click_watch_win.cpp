#include "skin/windows/owner_click_watch_win.h"

#include <commctrl.h>

#include <utility>

#include "runtime/base/error_report.h"

namespace vorn::skin {
namespace {
constexpr UINT_PTR kWatchId = 0x426F7857;  // "BoxW"
}

OwnerClickWatch::OwnerClickWatch(HWND owner, std::function<void()> onClick)
    : onClick_(std::move(onClick)) {
    if (owner && SetWindowSubclass(owner, Watch, kWatchId, reinterpret_cast<DWORD_PTR>(this)))
        owner_ = owner;
}

OwnerClickWatch::~OwnerClickWatch() {
    if (owner_ && IsWindow(owner_)) RemoveWindowSubclass(owner_, Watch, kWatchId);
}

bool OwnerClickWatch::IsPressOnDisabled(UINT message, LPARAM lParam) {
    if (message != WM_SETCURSOR || static_cast<SHORT>(LOWORD(lParam)) != HTERROR) return false;
    const UINT mouse = HIWORD(lParam);
    return mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONDOWN || mouse == WM_MBUTTONDOWN ||
           mouse == WM_XBUTTONDOWN;
}

LRESULT CALLBACK OwnerClickWatch::Watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
    if (IsPressOnDisabled(message, lParam) && !IsWindowEnabled(window)) {
        try {
            reinterpret_cast<OwnerClickWatch*>(self)->onClick_();
        } catch (...) {
            runtime::ReportCaughtException("the owner's click watch");
        }
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, Watch, kWatchId);
        reinterpret_cast<OwnerClickWatch*>(self)->owner_ = nullptr;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace vorn::skin
