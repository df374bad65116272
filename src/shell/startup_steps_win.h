// The steps of the program's start before its window is loaded, in the order
// main runs them.
#pragma once

#include "runtime/program_control_win.h"

namespace vorn::shell {

// Relative paths (the MonUseItems folder) resolve beside the program.
void MakeProgramDirectoryCurrent();

// Place of the skin's start: creating its state and registering its clean-up
// with `program`. The program has no skin yet, so nothing happens here.
void CreateSkinState(runtime::ProcessControl& program);

// Place where the skin's window code gets its two user32 entry points
// (DefWindowProcA, CreateWindowExA). Without a skin nothing is needed.
void ObtainSkinEntryPoints();

// The program's own start routine; it has nothing to do.
void RunStartRoutine();

}  // namespace vorn::shell
