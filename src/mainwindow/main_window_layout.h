// The one top-level window of the program and every control it holds when it
// is created, with initial contents, colours and states.
#pragma once

#include "runtime/interfaces/layout.h"

namespace vorn::mainwindow {

const runtime::WindowLayout& MainWindowLayout();

}  // namespace vorn::mainwindow
