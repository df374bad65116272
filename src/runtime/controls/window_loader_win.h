// Builds a live window from its layout: the top-level window, every control
// with its full 32-bit identifier, the shared font; then raises the window's
// CreationFinished event while it is still hidden.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "runtime/controls/button_tips_win.h"
#include "runtime/controls/control_win.h"
#include "runtime/controls/gdi_win.h"
#include "runtime/controls/top_level_window_win.h"
#include "runtime/controls/window_registry_win.h"

namespace vorn::runtime {

struct LoadOptions {
    PictureSource pictures;     // the window's background and the buttons' pictures
    // Told of close requests and of the window's end (which ends the
    // program's loop only if the handler says so); may be empty.
    CloseHandler closeHandler;
    // Told as each stage of the build finishes (start-up timing); may be empty.
    std::function<void(const char* stage)> stageDone;
};

class LoadedWindow final : public ControlDirectory {
public:
    LoadedWindow(const WindowLayout& layout, EventSink& sink, WindowRegistry& registry,
                 LoadOptions options);
    LoadedWindow(const LoadedWindow&) = delete;
    LoadedWindow& operator=(const LoadedWindow&) = delete;
    // Destroys the window and its controls if they still exist.
    ~LoadedWindow() override;

    WindowId id() const { return context_.window; }
    HWND handle() const { return frame_.handle(); }
    using ControlDirectory::FindControl;
    Control* FindControl(ControlId id) override;

    // Creates the window and the controls; false when any of them fails.
    bool Build();
    // From now on close and destroy reach the options' close handler.
    void EnableCloseHandling();

private:
    bool CreateControl(const ControlLayout& layout);
    void StageDone(const char* stage) const;

    const WindowLayout& layout_;
    WindowRegistry& registry_;
    LoadOptions options_;
    UniqueFont font_;
    ButtonTips tips_;
    ComboFieldMetrics comboFields_;
    ControlContext context_;
    TopLevelWindow frame_;
    std::vector<std::unique_ptr<Control>> controls_;
};

// Loads the window and runs its CreationFinished event before it is first
// shown; nullptr when the window cannot be created. The caller shows it.
std::unique_ptr<LoadedWindow> LoadWindow(const WindowLayout& layout, EventSink& sink,
                                         WindowRegistry& registry, LoadOptions options);

}  // namespace vorn::runtime
