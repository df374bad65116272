#include "shell/main_window_focus_win.h"

#include <algorithm>

#include "runtime/controls/window_loader_win.h"
#include "skin/windows/pellum_window_win.h"

namespace vorn::shell {
namespace {

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

MainWindowFocus::MainWindowFocus(runtime::LoadedWindow& window, skin::PellumWindow& skin,
                                 const std::vector<runtime::ControlId>& order,
                                 const std::vector<DrawnStandIn>& drawn, int first)
    : window_(window), skin_(skin) {
    if (first >= 0) stops_.push_back({nullptr, first});
    for (const runtime::ControlId id : order) {
        const auto standIn = std::ranges::find(drawn, id, &DrawnStandIn::control);
        if (standIn != drawn.end()) {
            stops_.push_back({nullptr, standIn->item});
        } else if (runtime::Control* control = window_.FindControl(id)) {
            if (control->handle()) stops_.push_back({control->handle(), -1});
        }
    }
}

int MainWindowFocus::Current() const {
    const HWND focus = GetFocus();
    if (focus == window_.handle()) {
        const int item = skin_.FocusedItem() - 1;
        for (std::size_t i = 0; i < stops_.size(); ++i)
            if (item >= 0 && stops_[i].item == item) return static_cast<int>(i);
        return -1;
    }
    // The focus may be inside a control: a drop-down list's edit, a spin box.
    for (HWND part = focus; part != nullptr && part != window_.handle(); part = GetParent(part)) {
        for (std::size_t i = 0; i < stops_.size(); ++i)
            if (stops_[i].control == part) return static_cast<int>(i);
    }
    return -1;
}

bool MainWindowFocus::CanTake(const Stop& stop) const {
    if (stop.control != nullptr)
        return IsWindow(stop.control) && IsWindowVisible(stop.control) && IsWindowEnabled(stop.control);
    const auto& items = skin_.Items();
    return stop.item >= 0 && static_cast<std::size_t>(stop.item) < items.size() &&
           items[static_cast<std::size_t>(stop.item)].visible;
}

void MainWindowFocus::Take(const Stop& stop) {
    if (stop.control == nullptr) {
        skin_.FocusItem(stop.item + 1);
        SetFocus(window_.handle());
        return;
    }
    skin_.FocusItem(0);
    SetFocus(stop.control);
    // As in a dialog: an edit box reached by Tab has its text selected.
    if (SendMessageW(stop.control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(stop.control, EM_SETSEL, 0, -1);
}

bool MainWindowFocus::Answer(const MSG& key) {
    if (key.message != WM_KEYDOWN || key.wParam != VK_TAB || IsDown(VK_CONTROL) || IsDown(VK_MENU))
        return false;
    if (stops_.empty()) return true;
    const int count = static_cast<int>(stops_.size());
    const int step = IsDown(VK_SHIFT) ? -1 : 1;
    int at = Current();
    if (at < 0) at = step > 0 ? -1 : count;
    for (int tried = 0; tried < count; ++tried) {
        at = ((at + step) % count + count) % count;
        if (CanTake(stops_[static_cast<std::size_t>(at)])) {
            Take(stops_[static_cast<std::size_t>(at)]);
            return true;
        }
    }
    return true;
}

}  // namespace vorn::shell
