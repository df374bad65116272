#include "runtime/controls/completion_popup_win.h"

#include <algorithm>

#include "runtime/base/utf_win.h"
#include "runtime/win32/window_object_win.h"

namespace vorn::runtime {

constexpr int kVisibleRows = 8;

// The list box itself: a click takes a choice without activating it.
class CompletionPopup::ListWindow final : public WindowObject {
public:
    explicit ListWindow(CompletionPopup& popup) : popup_(popup) {}
    bool Create(HWND owner) {
        return CreateSubclassedWindow(L"LISTBOX", WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, 
                                      WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                      L"", 0, 0, 10, 10, owner, 0) != nullptr;
    }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
        if (message == WM_LBUTTONUP) {
            const LRESULT hit = SendMessageW(handle(), LB_ITEMFROMPOINT, 0, lParam);
            if (HIWORD(hit) == 0) {
                popup_.Take(LOWORD(hit));
                return 0;
            }
        }
        return Default(message, wParam, lParam);
    }
    CompletionPopup& popup_;
};

CompletionPopup::CompletionPopup(FindControl find, Chosen chosen)
    : find_(std::move(find)), chosen_(std::move(chosen)) {}

CompletionPopup::~CompletionPopup() = default;

bool CompletionPopup::IsShown() const {
    return list_ && list_->handle() && IsWindowVisible(list_->handle());
}

void CompletionPopup::Show(WindowId window, ControlId below, const std::vector<std::string>& choices) {
    const HWND edit = find_ ? find_(window, below) : nullptr;
    if (edit == nullptr || choices.empty()) {
        Hide();
        return;
    }
    if (!list_) {
        list_ = std::make_unique<ListWindow>(*this);
        if (!list_->Create(GetAncestor(edit, GA_ROOT))) {
            list_.reset();
            return;
        }
    }
    edit_ = edit;
    below_ = below;
    choices_ = choices;
    const HWND list = list_->handle();
    SendMessageW(list, WM_SETFONT, SendMessageW(edit, WM_GETFONT, 0, 0), FALSE);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& choice : choices_)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(choice).c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    RECT field{};
    GetWindowRect(edit, &field);
    const int rowHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int rows = std::min<int>(static_cast<int>(choices_.size()), kVisibleRows);
    const int width = std::max<int>(field.right - field.left, 150);
    SetWindowPos(list, HWND_TOPMOST, field.left, field.bottom, width, rows * rowHeight + 2,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(list, nullptr, TRUE);
}

void CompletionPopup::Hide() {
    if (IsShown()) ShowWindow(list_->handle(), SW_HIDE);
    edit_ = nullptr;
}

void CompletionPopup::Take(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= choices_.size()) return;
    const ControlId below = below_;
    const std::string choice = choices_[static_cast<std::size_t>(index)];
    Hide();
    if (chosen_) chosen_(below, choice);
}

bool CompletionPopup::Answer(const MSG& key) {
    if (key.message != WM_KEYDOWN || !IsShown() || key.hwnd != edit_) return false;
    const HWND list = list_->handle();
    const int count = static_cast<int>(choices_.size());
    const int at = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    switch (key.wParam) {
        case VK_DOWN:
        case VK_UP: {
            const int step = key.wParam == VK_DOWN ? 1 : -1;
            const int next = at < 0 ? (step > 0 ? 0 : count - 1) : std::clamp(at + step, 0, count - 1);
            SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
            return true;
        }
        case VK_RETURN:
            if (at < 0) return false;  // no choice made: Enter is the box's own
            Take(at);
            return true;
        case VK_ESCAPE: Hide(); return true;
        default: return false;
    }
}

}  // namespace vorn::runtime
