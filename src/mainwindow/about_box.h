// The about box behind the "关于程序" link.
#pragma once

#include <string>

#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/control_commands.h"

namespace vorn::mainwindow {

// Program name and version, greeting, purpose, then the contact and author lines.
std::string AboutText();

// Shows the about box on the main window and returns its answer.
runtime::BoxAnswer ShowAbout(runtime::ControlCommands& commands, runtime::BoxService& boxes);

}  // namespace vorn::mainwindow
