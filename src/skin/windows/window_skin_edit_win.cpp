// The edit item at work: keys and characters, the clipboard and undo, the
// mouse placing the caret and dragging a selection, the system caret over
// the drawn text, and input-method text, with the composition window kept
// at the caret.
#include <windows.h>
// After windows.h, which it builds on.
#include <imm.h>

#include <algorithm>

#include "runtime/base/utf_win.h"
#include "skin/windows/clipboard_text_win.h"
#include "skin/windows/frame_geometry.h"
#include "skin/windows/window_skin_win.h"

namespace vorn::skin {
namespace {

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The system's wide characters are the edit line's UTF-16 units.
std::wstring Wide(std::u16string_view units) { return std::wstring(units.begin(), units.end()); }
std::u16string Units(std::wstring_view wide) { return std::u16string(wide.begin(), wide.end()); }

// The control characters WM_CHAR brings for the edit commands.
enum : wchar_t {
    kCtrlA = 0x01,
    kCtrlC = 0x03,
    kBackspace = 0x08,
    kCtrlV = 0x16,
    kCtrlX = 0x18,
    kCtrlZ = 0x1A,
    kCtrlBackspace = 0x7F,
};

constexpr int kCaretWidth = 1;

}  // namespace

SkinItem* WindowSkin::FocusedEdit() {
    if (focused_ < 0) return nullptr;
    SkinItem& item = items_[static_cast<std::size_t>(focused_)];
    return item.kind == ItemKind::Edit && item.visible && !item.greyed ? &item : nullptr;
}

bool WindowSkin::EditKeyDown(WPARAM key) {
    EditLine& line = FocusedEdit()->edit;
    const bool shift = Down(VK_SHIFT), control = Down(VK_CONTROL);
    switch (key) {
        case VK_LEFT: line.MoveLeft(control, shift); break;
        case VK_RIGHT: line.MoveRight(control, shift); break;
        case VK_HOME: line.MoveHome(shift); break;
        case VK_END: line.MoveEnd(shift); break;
        case VK_DELETE:
            if (shift) return EditChar(kCtrlX);  // as Ctrl+X
            EditMoved(line.DeleteForward());
            return true;
        case VK_INSERT:
            if (control) return EditChar(kCtrlC);  // as Ctrl+C
            if (shift) return EditChar(kCtrlV);    // as Ctrl+V
            return false;
        default: return false;
    }
    EditMoved(false);
    return true;
}

bool WindowSkin::EditChar(wchar_t character) {
    SkinItem* item = FocusedEdit();
    if (item == nullptr) return false;
    EditLine& line = item->edit;
    switch (character) {
        case kCtrlA: line.SelectAll(); EditMoved(false); return true;
        case kCtrlC: CopySelection(*item); return true;
        case kBackspace: EditMoved(line.DeleteBack()); return true;
        case kCtrlV: {
            const std::optional<std::wstring> pasted = TextFromClipboard(handle());
            if (pasted) EditMoved(line.Insert(Units(*pasted)));
            return true;
        }
        case kCtrlX:
            CopySelection(*item);
            EditMoved(line.Cut());
            return true;
        case kCtrlZ: EditMoved(line.Undo()); return true;
        case kCtrlBackspace: EditMoved(line.DeleteWordBack()); return true;
        default: break;
    }
    // Enter, Escape and the other controls are not the edit item's.
    if (character < 0x20) return false;
    const bool changed = line.Type(static_cast<char16_t>(character));
    // A unit refused (a letter in a digits item) leaves everything as it was.
    if (changed) EditMoved(true);
    return true;
}

void WindowSkin::CopySelection(const SkinItem& item) const {
    if (!item.edit.HasSelection()) return;
    PutTextOnClipboard(handle(), runtime::Narrow(Wide(item.edit.SelectedText())));
}

void WindowSkin::EditMoved(bool changed) {
    SkinItem* item = FocusedEdit();
    if (item == nullptr) return;
    EditLine& line = item->edit;
    const std::vector<int> offsets =
        painter_.EditFace().Offsets(line.Text(), PaintedFontSize(item->style));
    line.scroll = ScrollToShow(line.scroll, offsets[line.Caret()], offsets.back(),
                               EditTextRect(item->layoutRect).width);
    const auto index = static_cast<std::size_t>(focused_);
    InvalidateItem(index);
    UpdateCaret();
    // Last: the routine may do anything to the window.
    if (changed) Notify(index, static_cast<int>(line.Text().size()));
}

std::size_t WindowSkin::EditPositionAt(const SkinItem& item, int x) {
    const std::vector<int> offsets =
        painter_.EditFace().Offsets(item.edit.Text(), PaintedFontSize(item.style));
    return NearestPosition(item.edit.Text(), offsets,
                           x - EditTextRect(item.layoutRect).x + item.edit.scroll);
}

void WindowSkin::OnEditButtonDown(std::size_t index, POINT at, bool doubleClick) {
    if (!FocusItem(static_cast<int>(index) + 1)) return;
    EditLine& line = items_[index].edit;
    const std::size_t position = EditPositionAt(items_[index], at.x);
    if (doubleClick) line.SelectWordAt(position);
    else line.MoveTo(position, Down(VK_SHIFT));
    pressed_ = static_cast<int>(index);
    SetCapture(handle());
    EditMoved(false);
}

void WindowSkin::OnEditDrag(POINT at) {
    SkinItem* item = FocusedEdit();
    if (item == nullptr || focused_ != pressed_) return;
    const std::size_t position = EditPositionAt(*item, at.x);
    if (position == item->edit.Caret()) return;
    item->edit.MoveTo(position, true);
    EditMoved(false);
}

void WindowSkin::UpdateCaret() {
    const SkinItem* item = FocusedEdit();
    if (item == nullptr || !hasFocus_ || zoom_.Running() || handle() == nullptr) {
        HideCaretNow();
        return;
    }
    const float size = PaintedFontSize(item->style);
    const RectRecord inner = EditTextRect(item->layoutRect);
    const int height = std::min(painter_.EditFace().LineHeight(size), inner.height);
    const std::vector<int> offsets = painter_.EditFace().Offsets(item->edit.Text(), size);
    const int x = inner.x + offsets[item->edit.Caret()] - item->edit.scroll;
    const POINT at{std::clamp(x, inner.x, inner.x + std::max(0, inner.width - kCaretWidth)),
                   inner.y + (inner.height - height) / 2};
    if (!caretShown_) {
        // The system blinks it; it is made again for each edit item.
        CreateCaret(handle(), nullptr, kCaretWidth, height);
        ShowCaret(handle());
        caretShown_ = true;
    }
    SetCaretPos(at.x, at.y);
    PlaceComposition(at);
}

void WindowSkin::HideCaretNow() {
    if (!caretShown_) return;
    caretShown_ = false;
    DestroyCaret();
}

void WindowSkin::PlaceComposition(POINT caret) {
    const SkinItem* item = FocusedEdit();
    HIMC context = ImmGetContext(handle());
    if (context == nullptr || item == nullptr) return;
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = caret;
    ImmSetCompositionWindow(context, &form);
    LOGFONTW font{};
    if (GetObjectW(painter_.EditFace().Font(PaintedFontSize(item->style)), sizeof(font), &font))
        ImmSetCompositionFontW(context, &font);
    ImmReleaseContext(handle(), context);
}

bool WindowSkin::OnImeComposition(LPARAM parts) {
    SkinItem* item = FocusedEdit();
    if (item == nullptr) return false;
    if ((parts & GCS_RESULTSTR) == 0) {
        // Still composing: the system shows it, at the caret.
        UpdateCaret();
        return false;
    }
    HIMC context = ImmGetContext(handle());
    if (context == nullptr) return false;
    std::u16string result;
    const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    if (bytes > 0) {
        result.resize(static_cast<std::size_t>(bytes) / sizeof(char16_t));
        ImmGetCompositionStringW(context, GCS_RESULTSTR, result.data(), static_cast<DWORD>(bytes));
    }
    ImmReleaseContext(handle(), context);
    // Taken here whole, so no WM_IME_CHAR follows for it.
    EditMoved(item->edit.Insert(result));
    return true;
}

}  // namespace vorn::skin
