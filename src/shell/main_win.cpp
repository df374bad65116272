// The program's entry: start-up, the main window, the message loop.
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "mainwindow/main_window_controller.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/control_ids.h"
#include "mainwindow/tab_order.h"
#include "profile/native_file_store.h"
#include "runtime/base/fatal_error_win.h"
#include "runtime/system/file_drop_target_win.h"
#include "runtime/controls/live_controls_win.h"
#include "runtime/system/local_clock_win.h"
#include "runtime/controls/message_loop_win.h"
#include "runtime/controls/completion_popup_win.h"
#include "runtime/system/program_control_win.h"
#include "runtime/system/sound_player_win.h"
#include "runtime/system/web_opener_win.h"
#include "runtime/controls/window_loader_win.h"
#include "mainwindow/program_assets.h"
#include "settings/settings_store.h"
#include "settings/user_settings_folder.h"
#include "shell/command_line_win.h"
#include "monsterlist/monster_list_controller.h"
#include "shell/drawn_item_tips_win.h"
#include "shell/file_dialogs_win.h"
#include "shell/monster_list_window_win.h"
#include "shell/main_window_commands_win.h"
#include "shell/main_window_focus_win.h"
#include "shell/main_window_skin_win.h"
#include "shell/startup_steps_win.h"
#include "shell/startup_trace_win.h"
#include "shell/window_caption_win.h"

namespace {

int RunProgram() {
    using namespace vorn;
    shell::StartupTrace trace;
    // Relative names on the command line mean the directory we were started in.
    const std::vector<std::string> filesToOpen = shell::FilesOnCommandLine();
    shell::MakeProgramDirectoryCurrent();
    runtime::ProcessControl program;
    const auto skin = shell::CreateSkinState(program, trace);
    trace.Mark("skin worker started");

    runtime::WindowRegistry windows;
    runtime::LiveControls controls(windows);
    runtime::LocalClock clock;
    runtime::WaveSoundPlayer sound;
    runtime::ShellWebOpener web;
    profile::NativeFileStore files;
    // Declared before the controller, which keeps using it.
    settings::SettingsStore settingsStore(files, program.ProgramDirectory(),
                                          settings::UserSettingsFolder());
    mainwindow::MainWindowController controller(mainwindow::Services{
        controls, controls, *skin->Box(), clock, sound, web, program, files});
    trace.Mark("services and controller made");

    runtime::LoadOptions options;
    options.pictures = [](runtime::PictureId picture) { return mainwindow::AssetBytes(picture); };
    if (trace.Enabled()) options.stageDone = [&trace](const char* stage) { trace.Mark(stage); };
    // Close and destroy reach the controller once: through the skin once it
    // has taken the window over, else through the window itself.
    options.closeHandler = [&controller](runtime::WindowHandle window, unsigned message) {
        return controller.CloseHandler(window, message);
    };
    // Made once the window exists; the skin's icon reaches them through this.
    std::unique_ptr<shell::MainWindowCommands> commands;
    std::vector<shell::DrawnStandIn> standIns;
    shell::SkinningEvents events(*skin, controller, [&] {
        trace.Mark("window loaded, skin ready");
        shell::SkinTheMainWindow(*skin, controls, controls, controller, [&] {
            if (commands) commands->ShowMenu(shell::BelowCaption(controls.HandleOf(mainwindow::kMainWindowId)));
        }, standIns);
        trace.Mark("window skinned");
    });
    const auto mainWindow =
        runtime::LoadWindow(mainwindow::MainWindowLayout(), events, windows, options);
    if (!mainWindow) runtime::FatalRuntimeError("载入启动窗口失败");
    runtime::FileDropTarget drops(
        mainWindow->handle(),
        [&controller](const std::vector<std::string>& paths) { controller.OpenFirstMonsterFile(paths); });

    const shell::CaptionFollower caption(mainWindow->handle(), controller);
    trace.Mark("drop target and caption");

    ShowWindow(mainWindow->handle(), SW_SHOWNORMAL);
    trace.Mark("shown");
    UpdateWindow(mainWindow->handle());
    trace.Mark("first paint");
    // Read before the command line's file opens, which goes among the recent files.
    controller.UseSettings(settingsStore);
    trace.Mark("settings read");
    controller.OpenFirstMonsterFile(filesToOpen);
    runtime::MessageLoop loop;
    monsterlist::MonsterListController list(
        files, *skin->Box(), controller,
        monsterlist::ListPlatform{
            .chooseFolder = [&](const std::string& start) { return shell::ChooseFolder(mainWindow->handle(), start); },
            .chooseCsvToRead = [&] { return shell::ChooseCsvToRead(mainWindow->handle(), controller.MonsterFolder()); },
            .chooseCsvToWrite =
                [&](const std::string& name) {
                    return shell::ChooseCsvToWrite(mainWindow->handle(), controller.MonsterFolder(), name);
                },
            .chooseNameTable = [&] { return shell::ChooseNameTableFile(mainWindow->handle(), controller.MonsterFolder()); },
            .recycle = [&](const std::vector<std::string>& paths) {
                return shell::MoveToRecycleBin(mainWindow->handle(), paths);
            }});
    std::optional<shell::MonsterListWindow> listWindow;
    if (skin->State()) listWindow.emplace(*skin->State(), mainWindow->handle(), list, loop);
    trace.Mark("monster list window made");
    controller.SetFilesWrittenListener([&] {
        if (listWindow) listWindow->Refresh();
    });
    commands = std::make_unique<shell::MainWindowCommands>(mainWindow->handle(), controller, [&] {
        if (listWindow) listWindow->Show();
    });
    loop.AddKeyFilter(mainWindow->handle(), [&commands](const MSG& key) { return commands->Answer(key); });
    runtime::CompletionPopup completions(
        [&](runtime::WindowId window, runtime::ControlId control) -> HWND {
            runtime::LoadedWindow* loaded = windows.Find(window);
            runtime::Control* found = loaded ? loaded->FindControl(control) : nullptr;
            return found ? found->handle() : nullptr;
        },
        [&](runtime::ControlId box, const std::string& item) { controller.TakeCompletion(box, item); });
    controller.SetCompletionList(&completions);
    loop.AddKeyFilter(mainWindow->handle(), [&completions](const MSG& key) { return completions.Answer(key); });
    trace.Mark("completion popup made");
    std::optional<shell::MainWindowFocus> focus;
    std::optional<shell::DrawnItemTips> tips;
    if (skin->Window() && skin->Window()->Window() == mainWindow->handle()) {
        focus.emplace(*mainWindow, *skin->Window(), mainwindow::MainWindowTabOrder(), standIns,
                      static_cast<int>(skin::Slot(skin::FrameSlot::Icon)));
        loop.AddKeyFilter(mainWindow->handle(), [&focus](const MSG& key) { return focus->Answer(key); });
        tips.emplace(mainWindow->handle(), shell::MainWindowItemTips(*skin->Window(), standIns));
    }
    trace.Mark("message loop starts");
    trace.Write();
    const int exitCode = loop.Run();
    // The drop-down goes before the window does.
    controller.SetCompletionList(nullptr);
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
