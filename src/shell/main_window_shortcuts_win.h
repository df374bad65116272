// The main window's keyboard shortcuts, answered wherever its focus is:
// Ctrl+S generates, Ctrl+N starts a new monster, Ctrl+O opens a file through
// the open dialog, F1 shows the help page.
#pragma once

#include <windows.h>

#include <string>

namespace vorn::mainwindow {
class MainWindowController;
}

namespace vorn::shell {

class MainWindowShortcuts {
public:
    // `programFolder` holds MonUseItems, where the open dialog starts.
    MainWindowShortcuts(HWND window, mainwindow::MainWindowController& controller,
                        std::string programFolder)
        : window_(window), controller_(controller), programFolder_(std::move(programFolder)) {}

    // A key press (see MessageLoop::AddKeyFilter): true when it was one of
    // the shortcuts and its command ran. A held key runs it once.
    bool Answer(const MSG& key);

private:
    HWND window_;
    mainwindow::MainWindowController& controller_;
    std::string programFolder_;
};

}  // namespace vorn::shell
