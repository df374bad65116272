// Lets a child control of a skinned window hand Tab and Shift+Tab to the
// window's focus cycle, unless the control takes Tab itself. Attached to the
// control, it also answers a dialog loop's question (WM_GETDLGCODE) so the
// loop leaves the key to it.
#pragma once

#include <windows.h>

#include <functional>

#include "runtime/win32/window_object_win.h"

namespace vorn::skin {

class TabRelay final : private runtime::WindowObject {
public:
    // `move` is told the control the focus leaves and whether it goes
    // backwards; `gone` once the control is destroyed (it may destroy the relay).
    TabRelay(std::function<void(HWND from, bool backward)> move,
             std::function<void(TabRelay&)> gone)
        : move_(std::move(move)), gone_(std::move(gone)) {}

    bool AttachTo(HWND control) { return Attach(control); }
    HWND Control() const { return handle(); }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;
    // The control's own answer: it takes Tab as input.
    bool TakesTabItself();

    std::function<void(HWND, bool)> move_;
    std::function<void(TabRelay&)> gone_;
    bool swallowTab_ = false;  // the Tab character that follows a handled key
};

}  // namespace vorn::skin
