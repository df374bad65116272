#include "shell/startup_steps_win.h"

#include <windows.h>

#include "mainwindow/program_assets.h"
#include "runtime/utf_win.h"

namespace vorn::shell {

void MakeProgramDirectoryCurrent() {
    const std::string directory = runtime::ProgramFileDirectory();
    if (!directory.empty()) SetCurrentDirectoryW(runtime::Widen(directory).c_str());
}

std::unique_ptr<SkinModule> CreateSkinState(runtime::ProcessControl& program) {
    auto skin = std::make_unique<SkinModule>();
    program.AddCleanup([module = skin.get()] { module->Destroy(); });
    // Every box draws from the skin, and the exit question is a box: the
    // skin is ready before anything can ask for one. The main window's own
    // InitSkin with the same picture later finds it done and changes nothing.
    skin::InitSkin(*skin->State(), mainwindow::AssetBytes(mainwindow::kBackgroundJpeg), false, true);
    skin::LoadControlImages(*skin->State());
    return skin;
}

void ObtainSkinEntryPoints() {}

void RunStartRoutine() {}

}  // namespace vorn::shell
