// Property access and control commands over the program's live windows.
#pragma once

#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/controls/window_registry_win.h"

namespace vorn::runtime {

class Control;

class LiveControls final : public PropertyAccess, public ControlCommands {
public:
    explicit LiveControls(WindowRegistry& windows) : windows_(windows) {}

    std::int64_t ReadInteger(WindowId window, ControlId control, int property) override;
    void WriteInteger(WindowId window, ControlId control, int property,
                      std::int64_t value) override;
    std::string ReadText(WindowId window, ControlId control, int property) override;
    void WriteText(WindowId window, ControlId control, int property,
                   std::string_view text) override;

    void SetFocus(WindowId window, ControlId control) override;
    void DestroyControl(WindowId window, ControlId control) override;
    WindowHandle HandleOf(WindowId window) override;

private:
    Control* Find(WindowId window, ControlId control) const;

    WindowRegistry& windows_;
};

}  // namespace vorn::runtime
