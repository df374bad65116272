// Receives every event of MainWindow and runs its handler. The handlers keep no
// model of their own: they read and write the controls through the services.
#pragma once

#include "mainwindow/box_request.h"
#include "runtime/control_commands.h"
#include "runtime/events.h"
#include "runtime/property_access.h"
#include "runtime/system_services.h"

namespace vorn::profile {
class FileStore;
}

namespace vorn::mainwindow {

struct Services {
    runtime::PropertyAccess& properties;
    runtime::ControlCommands& commands;
    BoxService& boxes;
    runtime::Clock& clock;
    runtime::SoundPlayer& sound;
    runtime::WebOpener& web;
    runtime::ProgramControl& program;
    profile::FileStore& files;
};

class MainWindowController final : public runtime::EventSink {
public:
    explicit MainWindowController(const Services& services) : services_(services) {}

    void OnEvent(const runtime::Event& event) override;

    // The main window's close and destroy notifications (message codes 16 and
    // 2): 1 = handled, the message goes no further; 0 = normal processing.
    int CloseHandler(runtime::WindowHandle window, unsigned message);

private:
    Services services_;
};

}  // namespace vorn::mainwindow
