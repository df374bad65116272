// The question asked before the main window closes.
#pragma once

#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/system_services.h"

namespace vorn::mainwindow {

// "关闭程序" with the current date and time, "不想退出" / "确定退出", the
// first button focused.
runtime::BoxRequest ExitConfirmationRequest(runtime::WindowHandle owner, const runtime::LocalTime& now);

// Only "确定退出" lets the window close; its own close button, the other
// button and a refusal of the box service all keep it open.
inline constexpr int kConfirmExitButton = 2;  // "确定退出"
constexpr bool ExitConfirmed(runtime::BoxAnswer answer) {
    return runtime::PressedButton(answer) == kConfirmExitButton;
}

}  // namespace vorn::mainwindow
