#include "shell/window_caption_win.h"

#include <string>

#include "mainwindow/main_window_controller.h"
#include "runtime/base/utf_win.h"

namespace vorn::shell {
namespace {

void ShowCaption(HWND window, const std::string& caption) {
    if (IsWindow(window)) SetWindowTextW(window, runtime::Widen(caption).c_str());
}

}  // namespace

CaptionFollower::CaptionFollower(HWND window, mainwindow::MainWindowController& controller)
    : window_(window), controller_(controller) {
    ShowCaption(window_, controller_.Caption());
    controller_.SetCaptionListener(
        [window](const std::string& caption) { ShowCaption(window, caption); });
}

CaptionFollower::~CaptionFollower() { controller_.SetCaptionListener({}); }

}  // namespace vorn::shell
