#include "runtime/controls/live_controls_win.h"

#include "runtime/controls/window_loader_win.h"

namespace vorn::runtime {

Control* LiveControls::Find(WindowId window, ControlId control) const {
    LoadedWindow* loaded = windows_.Find(window);
    if (loaded == nullptr) return nullptr;
    Control* found = loaded->FindControl(control);
    return found && found->IsAlive() ? found : nullptr;
}

std::int64_t LiveControls::ReadInteger(WindowId window, ControlId control, int property) {
    Control* found = Find(window, control);
    return found ? found->ReadInteger(property) : 0;
}

void LiveControls::WriteInteger(WindowId window, ControlId control, int property,
                                std::int64_t value) {
    if (Control* found = Find(window, control)) found->WriteInteger(property, value);
}

std::string LiveControls::ReadText(WindowId window, ControlId control, int property) {
    Control* found = Find(window, control);
    return found ? found->ReadText(property) : std::string();
}

void LiveControls::WriteText(WindowId window, ControlId control, int property,
                             std::string_view text) {
    if (Control* found = Find(window, control)) found->WriteText(property, text);
}

void LiveControls::SetFocus(WindowId window, ControlId control) {
    Control* found = Find(window, control);
    if (found && found->handle()) ::SetFocus(found->handle());
}

void LiveControls::DestroyControl(WindowId window, ControlId control) {
    if (Control* found = Find(window, control)) found->Destroy();
}

WindowHandle LiveControls::HandleOf(WindowId window) {
    LoadedWindow* loaded = windows_.Find(window);
    return loaded ? reinterpret_cast<WindowHandle>(loaded->handle()) : 0;
}

}  // namespace vorn::runtime
