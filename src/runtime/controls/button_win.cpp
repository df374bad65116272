#include "runtime/controls/button_win.h"

#include <commctrl.h>

#include "runtime/interfaces/property_access.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {

bool Button::Create(HWND parent) {
    return CreateStandard(WC_BUTTONW, 0, CommonStyle() | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER,
                          Widen(layout().text), parent, layout().height) != nullptr;
}

std::string Button::ReadText(int property) {
    if (handle() == nullptr || property != prop::button::kCaption) return {};
    return WindowTextOf(handle());
}

void Button::WriteText(int property, std::string_view text) {
    if (handle() == nullptr || property != prop::button::kCaption) return;
    SetWindowTextW(handle(), Widen(text).c_str());
}

void Button::OnCommandFromParent(UINT code) {
    if (code == BN_CLICKED) Raise(EventKind::Clicked);
}

}  // namespace vorn::runtime
