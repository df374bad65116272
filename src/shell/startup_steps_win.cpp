#include "shell/startup_steps_win.h"

#include <windows.h>

#include "runtime/utf_win.h"

namespace vorn::shell {

void MakeProgramDirectoryCurrent() {
    const std::string directory = runtime::ProgramFileDirectory();
    if (!directory.empty()) SetCurrentDirectoryW(runtime::Widen(directory).c_str());
}

void CreateSkinState(runtime::ProcessControl&) {}

void ObtainSkinEntryPoints() {}

void RunStartRoutine() {}

}  // namespace vorn::shell
