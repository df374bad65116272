// Notices a click on a disabled window, so a modal box can answer it (it
// flashes). Windows tells the box itself when its disabled owner is clicked
// (it tries to bring the box forward); Wine only sends the owner WM_SETCURSOR
// with HTERROR and the button, so the owner is watched for that too, for as
// long as this object lives.
#pragma once

#include <windows.h>

#include <functional>

#include "runtime/win32/window_object_win.h"

namespace vorn::skin {

class OwnerClickWatch final : private runtime::WindowObject {
public:
    // Watches `owner` (may be null: nothing is watched); `onClick` runs for
    // every press of a mouse button on it while it is disabled.
    OwnerClickWatch(HWND owner, std::function<void()> onClick);

    // True for the WM_SETCURSOR a press on a disabled window sends.
    static bool IsPressOnDisabled(UINT message, LPARAM lParam);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::function<void()> onClick_;
};

}  // namespace vorn::skin
