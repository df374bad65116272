// The skinned window's keyboard item: the drawn item Tab has brought the
// focus to. The window itself holds the keyboard focus meanwhile, so its
// children show none; Enter and Space press the item.
#include "skin/windows/window_skin_win.h"

namespace vorn::skin {

bool WindowSkin::ShowsFocus(std::size_t index) const {
    return static_cast<int>(index) == focused_ && handle() != nullptr && GetFocus() == handle();
}

void WindowSkin::InvalidateFocus() {
    if (focused_ < 0 || static_cast<std::size_t>(focused_) >= items_.size() || handle() == nullptr)
        return;
    // The halo reaches a few pixels beyond the item.
    const RectRecord& r = items_[static_cast<std::size_t>(focused_)].layoutRect;
    const RECT rect{r.x - 4, r.y - 4, r.x + r.width + 4, r.y + r.height + 4};
    if (composed_) ComposeRect(rect);
    InvalidateRect(handle(), &rect, FALSE);
}

void WindowSkin::FocusItem(int index) {
    if (index >= static_cast<int>(items_.size())) index = -1;
    if (index == focused_) return;
    InvalidateFocus();
    focused_ = index;
    InvalidateFocus();
}

void WindowSkin::ClickItem(std::size_t index) {
    if (index < items_.size() && items_[index].visible) Activate(index);
}

bool WindowSkin::OnKeyDown(WPARAM key, LPARAM flags) {
    if (focused_ < 0 || (key != VK_RETURN && key != VK_SPACE)) return false;
    // A held key presses once.
    if ((flags & (1L << 30)) == 0) ClickItem(static_cast<std::size_t>(focused_));
    return true;
}

}  // namespace vorn::skin
