// The keyboard among a skinned window's items: which item has the focus and
// wears the halo, Tab and Shift+Tab through the items and on through the
// window's tab-stop controls (whose Tab a relay hands back), Enter and Space
// on the focused item, the arrows among option buttons, and the focus given
// back to the control that had it when the window is activated again.
#include <algorithm>

#include "skin/windows/window_skin_win.h"

namespace vorn::skin {
namespace {

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool Usable(HWND control) {
    return IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

}  // namespace

bool WindowSkin::TabsThroughControls() const {
    return frame_.tabThroughControls.value_or(origin_ == Origin::Created);
}

std::vector<FocusStop> WindowSkin::TabStops() const {
    std::vector<FocusStop> stops;
    const auto usable = [this](const FocusStop& stop) {
        if (stop.control != nullptr)
            return IsChild(handle(), stop.control) && Usable(stop.control);
        const SkinItem* item = ItemAt(stop.item);
        return item != nullptr && TakesFocus(*item);
    };
    if (!focusOrder_.empty()) {
        std::copy_if(focusOrder_.begin(), focusOrder_.end(), std::back_inserter(stops), usable);
        return stops;
    }
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (TakesFocus(items_[i])) stops.push_back({static_cast<int>(i) + 1, nullptr});
    if (!TabsThroughControls() || handle() == nullptr) return stops;
    for (HWND child = GetWindow(handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) != 0 && Usable(child))
            stops.push_back({0, child});
    }
    return stops;
}

void WindowSkin::SetFocusOrder(std::vector<FocusStop> order) {
    focusOrder_ = std::move(order);
    RelayTabs();
}

void WindowSkin::RelayTabs() {
    if (handle() == nullptr) return;
    std::vector<HWND> controls;
    if (!focusOrder_.empty() || TabsThroughControls()) {
        for (const FocusStop& stop : focusOrder_)
            if (stop.control) controls.push_back(stop.control);
        if (focusOrder_.empty())
            for (HWND child = GetWindow(handle(), GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT))
                if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) != 0)
                    controls.push_back(child);
    }
    for (HWND control : controls) {
        const bool relayed = std::any_of(relays_.begin(), relays_.end(), [control](const auto& relay) {
            return relay->Control() == control;
        });
        if (relayed || !IsChild(handle(), control)) continue;
        auto relay = std::make_unique<TabRelay>(
            [this](HWND from, bool backward) { MoveFocusFrom(from, backward); },
            [this](TabRelay& gone) {
                std::erase_if(relays_, [&gone](const auto& each) { return each.get() == &gone; });
            });
        if (relay->AttachTo(control)) relays_.push_back(std::move(relay));
    }
}

void WindowSkin::MoveFocus(bool backward) { MoveFocusFrom(GetFocus(), backward); }

void WindowSkin::MoveFocusFrom(HWND from, bool backward) {
    RelayTabs();
    const std::vector<FocusStop> stops = TabStops();
    if (stops.empty()) return;
    const auto current = std::find_if(stops.begin(), stops.end(), [&](const FocusStop& stop) {
        if (stop.control) return stop.control == from || IsChild(stop.control, from);
        return from == handle() && stop.item == focused_ + 1;
    });
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = 0;
    if (current == stops.end()) next = backward ? count - 1 : 0;
    else next = ((current - stops.begin()) + (backward ? count - 1 : 1)) % count;
    GoTo(stops[static_cast<std::size_t>(next)]);
}

void WindowSkin::GoTo(const FocusStop& stop) {
    if (stop.control) {
        SetFocus(stop.control);
        return;
    }
    FocusItem(stop.item);
    // Tabbed into, an edit item's text is selected whole, ready to be replaced.
    if (SkinItem* edit = FocusedEdit()) {
        edit->edit.SelectAll();
        EditMoved(false);
    }
}

bool WindowSkin::FocusItem(int index) {
    if (index == 0) {
        SetFocused(-1);
        return true;
    }
    const SkinItem* item = ItemAt(index);
    if (item == nullptr || !TakesFocus(*item) || handle() == nullptr) return false;
    SetFocused(index - 1);
    if (GetFocus() != handle()) SetFocus(handle());
    return true;
}

void WindowSkin::SetFocused(int index) {
    if (index == focused_) return;
    const int old = std::exchange(focused_, index);
    if (old >= 0) InvalidateItem(static_cast<std::size_t>(old));
    if (focused_ >= 0) InvalidateItem(static_cast<std::size_t>(focused_));
    UpdateCaret();
}

bool WindowSkin::ActivateItem(int index) {
    const SkinItem* item = ItemAt(index);
    if (item == nullptr || !item->visible || item->greyed) return false;
    switch (item->kind) {
        case ItemKind::Text:
        case ItemKind::CaptionArea:
        case ItemKind::Icon:
        case ItemKind::HostValues: return false;
        default: break;
    }
    Activate(static_cast<std::size_t>(index - 1));
    return true;
}

void WindowSkin::OnSetFocus() {
    hasFocus_ = true;
    // A window of the skin's own starts at its first stop, as a dialog does.
    if (focused_ < 0 && TabsThroughControls()) {
        const std::vector<FocusStop> stops = TabStops();
        if (!stops.empty() && stops.front().control == nullptr) {
            GoTo(stops.front());
            return;
        }
    }
    if (focused_ >= 0) InvalidateItem(static_cast<std::size_t>(focused_));
    UpdateCaret();
}

void WindowSkin::OnKillFocus() {
    hasFocus_ = false;
    HideCaretNow();
    if (focused_ >= 0) InvalidateItem(static_cast<std::size_t>(focused_));
}

void WindowSkin::OnActivate(WPARAM state) {
    if (!TabsThroughControls()) return;
    const HWND focus = GetFocus();
    if (LOWORD(state) == WA_INACTIVE) {
        // Remembered when it leaves, given back when it returns.
        lastFocusedControl_ = focus && IsChild(handle(), focus) ? focus : nullptr;
        return;
    }
    if (HIWORD(state) != 0) return;  // minimised
    if (lastFocusedControl_ && Usable(lastFocusedControl_) && IsChild(handle(), lastFocusedControl_))
        SetFocus(lastFocusedControl_);
}

bool WindowSkin::OnKeyDown(WPARAM key) {
    if (key == VK_TAB && !Down(VK_CONTROL) && !Down(VK_MENU)) {
        if (focused_ < 0 && !TabsThroughControls()) return false;
        swallowTab_ = true;
        MoveFocus(Down(VK_SHIFT));
        return true;
    }
    if (focused_ < 0) return false;
    if (FocusedEdit() != nullptr) return EditKeyDown(key);
    const ItemKind kind = items_[static_cast<std::size_t>(focused_)].kind;
    if (kind != ItemKind::Option) return false;
    switch (key) {
        case VK_DOWN:
        case VK_RIGHT: MoveAmongOptions(true); return true;
        case VK_UP:
        case VK_LEFT: MoveAmongOptions(false); return true;
        default: return false;
    }
}

bool WindowSkin::OnChar(WPARAM character) {
    if (character == L'\t' && swallowTab_) {
        swallowTab_ = false;
        return true;
    }
    if (focused_ < 0 || !hasFocus_) return false;
    if (FocusedEdit() != nullptr) return EditChar(static_cast<wchar_t>(character));
    const auto index = static_cast<std::size_t>(focused_);
    const ItemKind kind = items_[index].kind;
    const bool space = character == L' ', enter = character == L'\r';
    if (kind == ItemKind::Check || kind == ItemKind::Option) {
        if (!space) return false;
        Toggle(index);
        return true;
    }
    if (!space && !enter) return false;
    // Buttons and links: as a click.
    Activate(index);
    return true;
}

void WindowSkin::MoveAmongOptions(bool forward) {
    // The next option of the same group, round the end, goes on.
    const int group = items_[static_cast<std::size_t>(focused_)].group;
    const auto count = static_cast<int>(items_.size());
    for (int step = 1; step < count; ++step) {
        const int i = ((forward ? focused_ + step : focused_ - step) % count + count) % count;
        const SkinItem& item = items_[static_cast<std::size_t>(i)];
        if (item.kind != ItemKind::Option || item.group != group || !TakesFocus(item)) continue;
        FocusItem(i + 1);
        Toggle(static_cast<std::size_t>(i));
        return;
    }
}

}  // namespace vorn::skin
