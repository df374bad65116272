// Receives every event of MainWindow and runs its handler. The handlers keep no
// model of their own: they read and write the controls through the services.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mainwindow/kept_from_file.h"
#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/close_notification.h"
#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/events.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/interfaces/system_services.h"

namespace vorn::profile {
class FileStore;
}

namespace vorn::mainwindow {

struct Services {
    runtime::PropertyAccess& properties;
    runtime::ControlCommands& commands;
    runtime::BoxService& boxes;
    runtime::Clock& clock;
    runtime::SoundPlayer& sound;
    runtime::WebOpener& web;
    runtime::ProgramControl& program;
    profile::FileStore& files;
};

class MainWindowController final : public runtime::EventSink {
public:
    explicit MainWindowController(const Services& services) : services_(services) {}

    // Events of other windows and events nobody handles are ignored. Nothing
    // thrown inside a handler leaves this call.
    void OnEvent(const runtime::Event& event) override;

    // The main window's close request and destruction (runtime's close
    // notifications): kKeepWindowOpen or kLetWindowClose.
    int CloseHandler(runtime::WindowHandle window, unsigned message);

    // Click routines of the drawn items that replace 标签_关于, 标签_空间 and
    // 按钮_保存 (those controls are destroyed when the window is skinned):
    // the about box, the author page, generating the monster files.
    void AboutItemClicked();
    void AuthorItemClicked();
    void GenerateItemClicked();

    // Opens a monster file into the window (see OpenMonsterFile): the file
    // named on the command line, or the files dropped on the window, of which
    // only the first is opened and the tip line says so. What the window has
    // no control for is kept for the next generation, replacing what an
    // earlier file left; a file that cannot be opened changes nothing.
    void OpenMonsterFile(std::string_view path);
    void OpenFirstMonsterFile(const std::vector<std::string>& paths);

    static constexpr unsigned kCloseMessage = runtime::kCloseRequestMessage;
    static constexpr unsigned kDestroyMessage = runtime::kDestroyedMessage;

private:
    void Dispatch(const runtime::Event& event);

    Services services_;
    // Answers of the boxes the handlers open. The program takes no decision on
    // them, but keeps the last one of each kind.
    runtime::BoxAnswer slotTipAnswer_ = 0;
    runtime::BoxAnswer aboutAnswer_ = 0;
    // What the monster file opened last holds beyond the window's controls.
    std::optional<KeptFromFile> keptFromFile_;
};

}  // namespace vorn::mainwindow
