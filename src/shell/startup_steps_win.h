// The steps of the program's start before its window is loaded, in the order
// main runs them.
#pragma once

#include <memory>

#include "runtime/system/program_control_win.h"
#include "shell/skin_module_win.h"
#include "shell/startup_trace_win.h"

namespace vorn::shell {

// Relative paths (the MonUseItems folder) resolve beside the program.
void MakeProgramDirectoryCurrent();

// The skin's start: its state, being initialised on a worker thread with the
// program's background picture, and its objects, with their destruction registered as a clean-up
// of `program`. The caller keeps the module and `trace` for the whole run.
[[nodiscard]] std::unique_ptr<SkinModule> CreateSkinState(runtime::ProcessControl& program,
                                                          StartupTrace& trace);

}  // namespace vorn::shell
