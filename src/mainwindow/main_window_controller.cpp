#include "mainwindow/main_window_controller.h"

namespace vorn::mainwindow {

void MainWindowController::OnEvent(const runtime::Event& event) {
    (void)event;
}

int MainWindowController::CloseHandler(runtime::WindowHandle window, unsigned message) {
    (void)window;
    (void)message;
    return 0;
}

}  // namespace vorn::mainwindow
