// The skinned window's items as its owner reads and changes them while the
// window lives: texts, check states, visibility and the greyed state.
#include "runtime/base/utf_win.h"
#include "skin/windows/window_skin_win.h"

namespace vorn::skin {
namespace {

bool IsChoice(const SkinItem& item) {
    return item.kind == ItemKind::Check || item.kind == ItemKind::Option;
}

}  // namespace

std::string WindowSkin::ItemText(int index) const {
    const SkinItem* item = ItemAt(index);
    if (item == nullptr) return {};
    if (item->kind != ItemKind::Edit) return item->style.text;
    const std::u16string& text = item->edit.Text();
    return runtime::Narrow(std::wstring(text.begin(), text.end()));
}

bool WindowSkin::SetItemText(int index, std::string_view text) {
    SkinItem* item = ItemAt(index);
    if (item == nullptr) return false;
    const auto at = static_cast<std::size_t>(index - 1);
    if (item->kind == ItemKind::Edit) {
        const std::wstring wide = runtime::Widen(text);
        item->edit.SetText(std::u16string(wide.begin(), wide.end()));
        if (focused_ == index - 1) EditMoved(false);
        else InvalidateItem(at);
        return true;
    }
    item->style.text = std::string(text);
    painter_.ForgetText(at);
    InvalidateItem(at);
    return true;
}

bool WindowSkin::IsItemChecked(int index) const {
    const SkinItem* item = ItemAt(index);
    return item != nullptr && IsChoice(*item) && item->checked;
}

bool WindowSkin::SetItemChecked(int index, bool checked) {
    SkinItem* item = ItemAt(index);
    if (item == nullptr || !IsChoice(*item)) return false;
    if (item->kind == ItemKind::Option && checked) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            SkinItem& other = items_[i];
            if (&other == item || other.kind != ItemKind::Option || other.group != item->group ||
                !other.checked)
                continue;
            other.checked = false;
            InvalidateItem(i);
        }
    }
    item->checked = checked;
    InvalidateItem(static_cast<std::size_t>(index - 1));
    return true;
}

void WindowSkin::TakeOutOfPlay(int index) {
    // Hidden or greyed, an item gives up the focus and the pointer.
    if (focused_ == index - 1) SetFocused(-1);
    if (hovered_ == index - 1) SetHovered(-1);
}

bool WindowSkin::SetItemVisible(int index, bool visible) {
    SkinItem* item = ItemAt(index);
    if (item == nullptr) return false;
    item->visible = visible;
    if (!visible) TakeOutOfPlay(index);
    InvalidateItem(static_cast<std::size_t>(index - 1));
    return true;
}

bool WindowSkin::SetItemGreyed(int index, bool greyed) {
    SkinItem* item = ItemAt(index);
    if (item == nullptr) return false;
    item->greyed = greyed;
    // Its text picture is made again in the colour it shows now.
    painter_.ForgetText(static_cast<std::size_t>(index - 1));
    if (greyed) TakeOutOfPlay(index);
    InvalidateItem(static_cast<std::size_t>(index - 1));
    return true;
}

}  // namespace vorn::skin
