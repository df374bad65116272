// The main window's commands beyond its controls: the keyboard shortcuts,
// answered wherever its focus is (Ctrl+S generates, Ctrl+N starts a new
// monster, Ctrl+O opens a file through the open dialog, F1 shows the help
// page, Ctrl+L shows the monster list), and the menu of the program icon, which offers the same and the
// recent monster files.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "mainwindow/program_menu.h"

namespace vorn::mainwindow {
class MainWindowController;
}

namespace vorn::shell {

class MainWindowCommands {
public:
    // `showList` shows the monster list (Ctrl+L).
    MainWindowCommands(HWND window, mainwindow::MainWindowController& controller,
                       std::function<void()> showList)
        : window_(window), controller_(controller), showList_(std::move(showList)) {}

    // A key press (see MessageLoop::AddKeyFilter): true when it was one of
    // the shortcuts and its command ran. A held key runs it once.
    bool Answer(const MSG& key);

    // Shows the program menu under `at` (screen coordinates) and runs what is chosen.
    void ShowMenu(POINT at);

    void Run(mainwindow::MenuCommand command);

private:
    HWND window_;
    mainwindow::MainWindowController& controller_;
    std::function<void()> showList_;
};

}  // namespace vorn::shell
