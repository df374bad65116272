#include "runtime/controls/edit_box_win.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/controls/caption_text_win.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/base/text_number.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {
namespace {

DWORD AlignStyle(HAlign align) {
    switch (align) {
        case HAlign::Centre: return ES_CENTER;
        case HAlign::Right: return ES_RIGHT;
        case HAlign::Left: break;
    }
    return ES_LEFT;
}

// Counts the program's own text writes, so the edit's EN_CHANGE during one
// is not taken for a change by the user.
class WriteScope {
public:
    explicit WriteScope(int& depth) : depth_(depth) { ++depth_; }
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;
    ~WriteScope() { --depth_; }

private:
    int& depth_;
};

}  // namespace

bool EditBox::Create(HWND parent) {
    const ControlLayout& layout = this->layout();
    DWORD style = CommonStyle() | AlignStyle(layout.align);
    if (layout.multiLine)
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL |
                 WS_HSCROLL;
    else
        style |= ES_AUTOHSCROLL;
    if (layout.spinButtons) style |= WS_CLIPCHILDREN;
    textColour_ = ColourOr(layout.textColour, COLOR_WINDOWTEXT);
    SetBackColour(ColourOr(layout.backColour, COLOR_WINDOW));
    if (!CreateStandard(WC_EDITW, 0, style, Widen(layout.text), parent, layout.height))
        return false;
    SendMessageW(handle(), EM_SETLIMITTEXT, 0, 0);
    if (layout.spinButtons) CreateSpin();
    return true;
}

void EditBox::CreateSpin() {
    spin_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kSpinWidth, 1,
                            handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (spin_ == nullptr) return;
    // The position never moves (every change is cancelled), so it never
    // reaches an end of the range where the arrows would stop reporting.
    SendMessageW(spin_, UDM_SETRANGE32, 0, 100);
    SendMessageW(spin_, UDM_SETPOS32, 0, 50);
    SendMessageW(handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kSpinWidth));
    PlaceSpin();
}

void EditBox::PlaceSpin() {
    if (spin_ == nullptr) return;
    RECT client{};
    GetClientRect(handle(), &client);
    SetWindowPos(spin_, nullptr, client.right - kSpinWidth, 0, kSpinWidth, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void EditBox::SetBackColour(COLORREF colour) {
    backColour_ = colour;
    backBrush_.reset(CreateSolidBrush(colour));
}

std::int64_t EditBox::ReadInteger(int property) {
    if (handle() == nullptr) return 0;
    switch (property) {
        case prop::edit::kBackColour: return FromColorRef(backColour_);
        case prop::edit::kTextColour: return FromColorRef(textColour_);
        case prop::edit::kSelectedLength: {
            DWORD start = 0, end = 0;
            SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            return static_cast<std::int64_t>(end) - static_cast<std::int64_t>(start);
        }
        default: return Control::ReadInteger(property);
    }
}

void EditBox::WriteInteger(int property, std::int64_t value) {
    if (handle() == nullptr) return;
    switch (property) {
        case prop::edit::kBackColour:
            SetBackColour(ToColorRef(static_cast<Rgb>(value) & 0xFFFFFF));
            InvalidateRect(handle(), nullptr, TRUE);
            break;
        case prop::edit::kTextColour: {
            // Written for every box whenever names are checked: repaint only a change.
            const COLORREF colour = ToColorRef(static_cast<Rgb>(value) & 0xFFFFFF);
            if (colour == textColour_) break;
            textColour_ = colour;
            InvalidateRect(handle(), nullptr, TRUE);
            break;
        }
        case prop::edit::kSelectedLength:
            SendMessageW(handle(), EM_SETSEL, 0,
                         value < 0 ? -1 : static_cast<LPARAM>(std::min<std::int64_t>(value, INT_MAX)));
            break;
        default: Control::WriteInteger(property, value);
    }
}

std::string EditBox::ReadText(int property) {
    if (handle() == nullptr || property != prop::edit::kContent) return {};
    return WindowTextOf(handle());
}

void EditBox::WriteText(int property, std::string_view text) {
    if (handle() == nullptr || property != prop::edit::kContent) return;
    {
        WriteScope scope(programWrites_);
        SetWindowTextW(handle(), Widen(text).c_str());
    }
    Raise(EventKind::ContentChanged);
}

void EditBox::OnCommandFromParent(UINT code) {
    if (code == EN_CHANGE && programWrites_ == 0) Raise(EventKind::ContentChanged);
}

HBRUSH EditBox::OnColourFromParent(HDC dc) {
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backColour_);
    return backBrush_.get();
}

LRESULT EditBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR: return OnChar(wParam, lParam);
        case WM_KEYDOWN:
            Raise(EventKind::KeyPressed, static_cast<int>(wParam));
            return Default(message, wParam, lParam);
        case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
        case WM_GETDLGCODE: return OnGetDlgCode(wParam, lParam);
        case WM_NOTIFY: return OnNotify(wParam, lParam);
        case WM_PAINT:
            if (IsWindowEnabled(handle())) return Default(message, wParam, lParam);
            PaintDisabled();
            return 0;
        case WM_ERASEBKGND:
            if (IsWindowEnabled(handle())) return Default(message, wParam, lParam);
            return 1;
        case WM_SIZE: {
            const LRESULT result = Default(message, wParam, lParam);
            PlaceSpin();
            return result;
        }
        default: return Default(message, wParam, lParam);
    }
}

void EditBox::PaintDisabled() {
    // The system greys a disabled edit's text; ours keeps its own colours
    // (the slot-name boxes wait disabled, blue on silver).
    BufferedPaint paint(handle());
    HDC dc = paint.dc();
    SetBkColor(dc, backColour_);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &paint.client(), nullptr, 0, nullptr);
    RECT format{};
    SendMessageW(handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    SelectedObject font(dc, context().font);
    SetTextColor(dc, textColour_);
    DrawCaption(dc, WideWindowText(handle()), format, layout().align, VAlign::Top,
                layout().multiLine);
}

LRESULT EditBox::OnChar(WPARAM wParam, LPARAM lParam) {
    const auto character = static_cast<char32_t>(wParam);
    if (layout().inputMode == InputMode::Integer && character >= 0x20 &&
        !IntegerInputAccepts(character))
        return 0;
    // A single-line edit beeps at Enter and Escape; their key events suffice.
    if (!layout().multiLine && (character == L'\r' || character == 0x1B)) return 0;
    return Default(WM_CHAR, wParam, lParam);
}

LRESULT EditBox::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_KILLFOCUS, wParam, lParam);
    if (layout().inputMode == InputMode::Integer) NormaliseInteger();
    Raise(EventKind::FocusLost);
    return result;
}

void EditBox::NormaliseInteger() {
    if (handle() == nullptr) return;
    const std::string text = WindowTextOf(handle());
    const std::string normalised = NormaliseIntegerInput(text);
    if (normalised == text) return;
    DWORD start = 0, end = 0;
    SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    // The control changes its own text here, as if typed: EN_CHANGE reports it.
    const std::wstring wide = Widen(normalised);
    SetWindowTextW(handle(), wide.c_str());
    const auto length = static_cast<DWORD>(wide.size());
    SendMessageW(handle(), EM_SETSEL, std::min(start, length), std::min(end, length));
}

LRESULT EditBox::OnGetDlgCode(WPARAM wParam, LPARAM lParam) {
    LRESULT code = Default(WM_GETDLGCODE, wParam, lParam);
    // Enter and Escape belong to the edit (KeyPressed), not to the window's
    // default and cancel buttons.
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message && message->message == WM_KEYDOWN &&
        (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT EditBox::OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (spin_ && header->hwndFrom == spin_ && header->code == UDN_DELTAPOS) {
        const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
        if (change->iDelta != 0) Raise(EventKind::SpinPressed, change->iDelta > 0 ? 1 : -1);
        return TRUE;  // the value is the program's to change
    }
    return Default(WM_NOTIFY, wParam, lParam);
}

}  // namespace vorn::runtime
