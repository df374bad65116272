#include "runtime/controls/child_notifications_win.h"

namespace vorn::runtime {

bool ForwardToChild(ControlDirectory& directory, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result) {
    switch (message) {
        case WM_COMMAND: {
            // lParam 0: a menu or accelerator command, not a control's.
            Control* control = directory.FindControl(reinterpret_cast<HWND>(lParam));
            if (control == nullptr) return false;
            control->OnCommandFromParent(HIWORD(wParam));
            result = 0;
            return true;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: {
            Control* control = directory.FindControl(reinterpret_cast<HWND>(lParam));
            if (control == nullptr) return false;
            HBRUSH brush = control->OnColourFromParent(reinterpret_cast<HDC>(wParam));
            if (brush == nullptr) return false;
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Control* control = directory.FindControl(item->hwndItem);
            if (control == nullptr || !control->OnDrawItem(*item)) return false;
            result = TRUE;
            return true;
        }
        case WM_MEASUREITEM: {
            // Arrives while the control is being created, before it has a handle.
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            Control* control = directory.FindControl(static_cast<ControlId>(item->CtlID));
            if (control == nullptr || !control->OnMeasureItem(*item)) return false;
            result = TRUE;
            return true;
        }
        default: return false;
    }
}

}  // namespace vorn::runtime
