#include "runtime/plain_box_window_win.h"

#include <algorithm>
#include <string>

#include "runtime/interface_font_win.h"
#include "runtime/utf_win.h"

namespace vorn::runtime {
namespace {

constexpr int kOptionId = 0x50;
constexpr int kCloseId = 0x51;
constexpr int kFirstCaptionId = 0x100;  // caption i (1-based) has id kFirstCaptionId + i
constexpr int kMinWindowWidth = 300;

constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

struct Palette {
    COLORREF message, bar, separator;
};
constexpr Palette kPlainPalette{RGB(255, 255, 255), RGB(240, 240, 240), RGB(223, 223, 223)};
constexpr Palette kTintedPalette{RGB(244, 248, 253), RGB(226, 235, 247), RGB(203, 217, 236)};

HINSTANCE ThisModule() { return GetModuleHandleW(nullptr); }

HICON LoadStandardIcon(std::uintptr_t code) {
    LPCWSTR name = nullptr;
    switch (code) {
        case runtime::icon::kStop: name = IDI_HAND; break;
        case runtime::icon::kQuestion: name = IDI_QUESTION; break;
        case runtime::icon::kExclamation: name = IDI_EXCLAMATION; break;
        case runtime::icon::kInformation: name = IDI_ASTERISK; break;
        default: return nullptr;
    }
    const int side = kPlainBoxIconSize;
    auto icon = static_cast<HICON>(LoadImageW(nullptr, name, IMAGE_ICON, side, side, LR_SHARED));
    return icon ? icon : LoadIconW(nullptr, name);
}

// The sound the system plays for a box with this icon.
UINT BeepFor(std::uintptr_t icon) {
    switch (icon) {
        case runtime::icon::kStop: return MB_ICONHAND;
        case runtime::icon::kQuestion: return MB_ICONQUESTION;
        case runtime::icon::kExclamation: return MB_ICONEXCLAMATION;
        default: return MB_ICONASTERISK;
    }
}

// Buttons and check boxes treat '&' as a mnemonic marker; captions are literal.
std::wstring LiteralCaption(const std::string& text) {
    std::wstring result;
    for (const wchar_t c : Widen(text)) {
        result += c;
        if (c == L'&') result += L'&';
    }
    return result;
}


SIZE MeasureLine(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

RECT WorkAreaNear(HWND owner) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const HMONITOR handle = owner ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                  : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (GetMonitorInfoW(handle, &monitor)) return monitor.rcWork;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return area;
}

}  // namespace

PlainBoxWindow::PlainBoxWindow(const runtime::BoxRequest& request, UniqueBitmap picture)
    : request_(request), picture_(std::move(picture)) {
    if (!picture_) standardIcon_ = LoadStandardIcon(request_.icon);
    const Palette& palette = request_.tinted ? kTintedPalette : kPlainPalette;
    messageColour_ = palette.message;
    barColour_ = palette.bar;
    separatorColour_ = palette.separator;
    messageBrush_.reset(CreateSolidBrush(messageColour_));
    barBrush_.reset(CreateSolidBrush(barColour_));
    font_ = CreateInterfaceFont();
}

PlainBoxWindow::~PlainBoxWindow() { Destroy(); }

int PlainBoxWindow::InitialItem() const {
    const int chosen = request_.defaultButton;
    return chosen >= 1 && chosen <= static_cast<int>(request_.captions.size())
               ? chosen
               : static_cast<int>(request_.captions.size()) + 1;
}

PlainBoxMeasures PlainBoxWindow::Measure(int minClientWidth) const {
    PlainBoxMeasures measures;
    measures.hasIcon = picture_ || standardIcon_;
    measures.hasOption = request_.showOption;
    measures.centreVertically = request_.centreVertically;
    measures.minClientWidth = minClientWidth;

    const WindowDc screen;
    const SelectedObject selected(screen.get(), font_.get());
    const std::wstring message = Widen(request_.message);
    RECT bounds{0, 0, 0, 0};
    DrawTextW(screen.get(), message.c_str(), static_cast<int>(message.size()), &bounds,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    measures.message = SIZE{Width(bounds), Height(bounds)};
    for (const std::string& caption : request_.captions)
        measures.captions.push_back(MeasureLine(screen.get(), Widen(caption)));
    if (request_.showOption) measures.option = MeasureLine(screen.get(), Widen(request_.optionText));
    return measures;
}

bool PlainBoxWindow::Create(HWND owner) {
    if (handle()) return false;
    RegisterOwnClass(kPlainBoxClass, 0, LoadCursorW(nullptr, IDC_ARROW));

    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kBoxStyle, FALSE, kBoxExStyle);
    layout_ = LayOutPlainBox(Measure(kMinWindowWidth - Width(frame)));

    const RECT workArea = WorkAreaNear(owner);
    SIZE size{layout_.client.cx + Width(frame), layout_.client.cy + Height(frame)};
    size.cx = std::min<LONG>(size.cx, Width(workArea));
    size.cy = std::min<LONG>(size.cy, Height(workArea));
    RECT ownerRect{};
    const bool haveOwnerRect = owner && GetWindowRect(owner, &ownerRect);
    const POINT corner = PlacePlainBox(size, haveOwnerRect ? &ownerRect : nullptr, workArea);

    const std::wstring title = Widen(request_.title);
    if (!CreateOwnWindow(kPlainBoxClass, kBoxExStyle, kBoxStyle, title.c_str(), corner.x, corner.y,
                         size.cx, size.cy, owner, 0))
        return false;
    CreateControls(layout_);
    return true;
}

void PlainBoxWindow::CreateControls(const PlainBoxLayout& layout) {
    const auto make = [this](LPCWSTR kind, const std::wstring& text, DWORD style, const RECT& at,
                             int id) {
        HWND control = CreateWindowExW(0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                       at.left, at.top, Width(at), Height(at), handle(),
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       ThisModule(), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        return control;
    };

    const DWORD align = request_.centreHorizontally ? SS_CENTER : SS_LEFT;
    message_ = make(L"STATIC", Widen(request_.message), align | SS_NOPREFIX, layout.message,
                    0xFFFF);
    // Tab order follows the screen: the option, the buttons left to right, then
    // the close button.
    if (request_.showOption)
        option_ = make(L"BUTTON", LiteralCaption(request_.optionText),
                       WS_TABSTOP | BS_AUTOCHECKBOX, layout.option, kOptionId);
    captions_.assign(request_.captions.size(), nullptr);
    for (int i = CaptionCount(); i >= 1; --i)
        captions_[i - 1] =
            make(L"BUTTON", LiteralCaption(request_.captions[i - 1]),
                 WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, layout.captions[i - 1], kFirstCaptionId + i);
    closeButton_ = make(L"BUTTON", L"\u00D7", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY,
                        layout.closeButton, kCloseId);
}

void PlainBoxWindow::Show() {
    if (!handle()) return;
    // The plain box opens at once; the request's slow animation has nothing to
    // slow down here.
    lastFocus_ = ControlOfItem(InitialItem());
    MessageBeep(BeepFor(request_.icon));
    ShowWindow(handle(), SW_SHOW);
    SetFocus(lastFocus_);
    MarkDefaultButton(lastFocus_);
    UpdateWindow(handle());
}

void PlainBoxWindow::Destroy() {
    if (handle()) DestroyWindow(handle());
}

HWND PlainBoxWindow::ControlOfItem(int item) const {
    if (item >= 1 && item <= CaptionCount()) return captions_[item - 1];
    return closeButton_;
}

void PlainBoxWindow::Finish(int item) {
    if (finished_) return;
    finished_ = true;
    pressed_ = item;
    optionTicked_ = option_ && SendMessageW(option_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool PlainBoxWindow::HandleKeyboard(MSG& message) {
    if (!handle() || (message.hwnd != handle() && !IsChild(handle(), message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        Finish(CloseItem());
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        // Enter presses the focused button; on the check box it does nothing.
        const HWND focused = GetFocus();
        if (focused == closeButton_) Finish(CloseItem());
        const auto found = std::find(captions_.begin(), captions_.end(), focused);
        if (found != captions_.end()) Finish(static_cast<int>(found - captions_.begin()) + 1);
        return true;
    }
    return IsDialogMessageW(handle(), &message) != FALSE;
}

void PlainBoxWindow::MarkDefaultButton(HWND focused) const {
    // The focused push button wears the default frame, as in a dialog.
    const auto mark = [focused](HWND button) {
        const DWORD style = button == focused ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        SendMessageW(button, BM_SETSTYLE, style | BS_NOTIFY, TRUE);
    };
    for (const HWND button : captions_) mark(button);
    mark(closeButton_);
}

LRESULT PlainBoxWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CLOSE:  // the caption's close box, Alt+F4
            Finish(CloseItem());
            return 0;
        case WM_DESTROY:  // e.g. the owner was destroyed under the open box
            Finish(CloseItem());
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_SETFOCUS:
            if (lastFocus_ && IsWindow(lastFocus_)) SetFocus(lastFocus_);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(handle(), &paint);
            Paint(dc);
            EndPaint(handle(), &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT PlainBoxWindow::OnCommand(int id, int code, HWND control) {
    if (id == IDCANCEL || (id == kCloseId && code == BN_CLICKED)) {
        Finish(CloseItem());
    } else if (id > kFirstCaptionId && id <= kFirstCaptionId + CaptionCount()) {
        if (code == BN_CLICKED) Finish(id - kFirstCaptionId);
        if (code == BN_SETFOCUS) MarkDefaultButton(control);
    } else if (id == kCloseId && code == BN_SETFOCUS) {
        MarkDefaultButton(control);
    }
    return 0;
}

void PlainBoxWindow::OnActivate(bool active) {
    if (!active) {
        const HWND focused = GetFocus();
        if (focused && IsChild(handle(), focused)) lastFocus_ = focused;
    } else if (lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
    }
}

LRESULT PlainBoxWindow::OnControlColour(HDC dc, HWND control) const {
    // The message and the close button sit on the message area, the rest on the bar.
    const bool onMessageArea = control == message_ || control == closeButton_;
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, onMessageArea ? messageColour_ : barColour_);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(onMessageArea ? messageBrush_.get() : barBrush_.get());
}

void PlainBoxWindow::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(handle(), &client);
    RECT area = client;
    area.bottom = layout_.barTop;
    FillRect(dc, &area, messageBrush_.get());
    RECT bar = client;
    bar.top = layout_.barTop;
    FillRect(dc, &bar, barBrush_.get());
    RECT line{client.left, layout_.barTop, client.right, layout_.barTop + 1};
    SetBkColor(dc, separatorColour_);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);

    const RECT& icon = layout_.icon;
    if (picture_) {
        const MemoryDc source(dc);
        const SelectedObject selected(source.get(), picture_.get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, icon.left, icon.top, Width(icon), Height(icon), source.get(), 0, 0,
                   kPlainBoxIconSize, kPlainBoxIconSize, blend);
    } else if (standardIcon_) {
        DrawIconEx(dc, icon.left, icon.top, standardIcon_, Width(icon), Height(icon), 0, nullptr,
                   DI_NORMAL);
    }
}

}  // namespace vorn::runtime
