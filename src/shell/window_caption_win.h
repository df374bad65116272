// The main window's text follows the controller's caption, so the taskbar
// and the skin's drawn title (which shows the window's own text) say which
// monster is open and whether it has changes.
#pragma once

#include <windows.h>

namespace vorn::mainwindow {
class MainWindowController;
}

namespace vorn::shell {

class CaptionFollower {
public:
    // Shows the caption at once and again whenever it changes, until destroyed.
    CaptionFollower(HWND window, mainwindow::MainWindowController& controller);
    ~CaptionFollower();
    CaptionFollower(const CaptionFollower&) = delete;
    CaptionFollower& operator=(const CaptionFollower&) = delete;

private:
    HWND window_;
    mainwindow::MainWindowController& controller_;
};

}  // namespace vorn::shell
