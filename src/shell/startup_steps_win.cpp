#include "shell/startup_steps_win.h"

#include <windows.h>

#include "mainwindow/program_assets.h"
#include "runtime/base/utf_win.h"

namespace vorn::shell {

void MakeProgramDirectoryCurrent() {
    const std::string directory = runtime::ProgramFileDirectory();
    if (!directory.empty()) SetCurrentDirectoryW(runtime::Widen(directory).c_str());
}

std::unique_ptr<SkinModule> CreateSkinState(runtime::ProcessControl& program, StartupTrace& trace) {
    auto skin = std::make_unique<SkinModule>();
    program.AddCleanup([module = skin.get()] { module->Destroy(); });
    // The skin's pictures and cursors are decoded on a worker thread while
    // the main window's controls are created; no event reaches the program
    // before they are ready (SkinningEvents waits for them). The main
    // window's own set-up with the same picture then finds them done.
    skin->PrepareInBackground([&trace](skin::SkinState& state) {
        skin::InitSkin(state, mainwindow::AssetBytes(mainwindow::kBackgroundJpeg), false, true);
        trace.Mark("worker: skin initialised");
        skin::LoadControlImages(state);
        trace.Mark("worker: control images loaded");
    });
    return skin;
}

}  // namespace vorn::shell
