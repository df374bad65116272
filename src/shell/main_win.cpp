// The program's entry: start-up, the main window, the message loop.
#include <windows.h>

#include "mainwindow/main_window_controller.h"
#include "mainwindow/main_window_layout.h"
#include "profile/native_file_store.h"
#include "runtime/fatal_error_win.h"
#include "runtime/live_controls_win.h"
#include "runtime/local_clock_win.h"
#include "runtime/message_loop_win.h"
#include "runtime/plain_box_win.h"
#include "runtime/program_control_win.h"
#include "runtime/sound_player_win.h"
#include "runtime/web_opener_win.h"
#include "runtime/window_loader_win.h"
#include "mainwindow/program_assets.h"
#include "shell/startup_steps_win.h"

namespace {

int RunProgram() {
    using namespace vorn;
    shell::MakeProgramDirectoryCurrent();
    runtime::ProcessControl program;
    shell::CreateSkinState(program);
    shell::ObtainSkinEntryPoints();
    shell::RunStartRoutine();

    runtime::WindowRegistry windows;
    runtime::LiveControls controls(windows);
    runtime::PlainBoxService boxes;
    runtime::LocalClock clock;
    runtime::WaveSoundPlayer sound;
    runtime::ShellWebOpener web;
    profile::NativeFileStore files;
    mainwindow::MainWindowController controller(mainwindow::Services{
        controls, controls, boxes, clock, sound, web, program, files});

    runtime::LoadOptions options;
    options.pictures = [](runtime::PictureId picture) { return mainwindow::AssetBytes(picture); };
    options.closeHandler = [&controller](runtime::WindowHandle window, unsigned message) {
        return controller.CloseHandler(window, message);
    };
    const auto mainWindow =
        runtime::LoadWindow(mainwindow::MainWindowLayout(), controller, windows, options);
    if (!mainWindow) runtime::FatalRuntimeError("载入启动窗口失败");

    ShowWindow(mainWindow->handle(), SW_SHOWNORMAL);
    UpdateWindow(mainWindow->handle());
    runtime::MessageLoop loop;
    const int exitCode = loop.Run();
    program.RunCleanups();
    return exitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return RunProgram();
    } catch (...) {
        vorn::runtime::FatalRuntimeError("程序内部错误");
    }
}
