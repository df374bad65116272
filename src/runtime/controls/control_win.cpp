#include "runtime/controls/control_win.h"

#include "runtime/interfaces/property_access.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {

Control* ControlDirectory::FindControl(HWND window) {
    if (window == nullptr) return nullptr;
    Control* control = FindControl(static_cast<ControlId>(GetDlgCtrlID(window)));
    return control && control->handle() == window ? control : nullptr;
}

void Control::Destroy() {
    if (handle()) DestroyWindow(handle());
}

void Control::Raise(EventKind kind, int argument) const {
    if (context_.sink && IsAlive())
        context_.sink->OnEvent(Event{context_.window, layout_.id, kind, argument});
}

DWORD Control::CommonStyle() const {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (layout_.visible) style |= WS_VISIBLE;
    if (!layout_.enabled) style |= WS_DISABLED;
    if (layout_.tabStop) style |= WS_TABSTOP;
    return style | BorderStyle(layout_.border);
}

HWND Control::CreateOwn(const wchar_t* className, DWORD exStyle, DWORD style,
                        const std::wstring& text, HWND parent) {
    HWND window = CreateOwnWindow(className, exStyle | BorderExStyle(layout_.border), style,
                                  text.c_str(), layout_.left, layout_.top, layout_.width,
                                  layout_.height, parent, layout_.id);
    if (window) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(context_.font), FALSE);
    return window;
}

HWND Control::CreateStandard(const wchar_t* className, DWORD exStyle, DWORD style,
                             const std::wstring& text, HWND parent, int height) {
    HWND window = CreateSubclassedWindow(className, exStyle | BorderExStyle(layout_.border), style,
                                         text.c_str(), layout_.left, layout_.top, layout_.width,
                                         height, parent, layout_.id);
    if (window) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(context_.font), FALSE);
    return window;
}

std::int64_t Control::ReadInteger(int property) {
    HWND window = handle();
    if (window == nullptr) return 0;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    switch (property) {
        case prop::kLeft:
        case prop::kTop:
        case prop::kWidth:
        case prop::kHeight: {
            RECT rect{};
            GetWindowRect(window, &rect);
            MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
            const LONG values[] = {rect.left, rect.top, rect.right - rect.left,
                                   rect.bottom - rect.top};
            return values[property];
        }
        case prop::kVisible: return (style & WS_VISIBLE) ? 1 : 0;
        case prop::kDisabled: return (style & WS_DISABLED) ? 1 : 0;
        default: return 0;
    }
}

void Control::WriteInteger(int property, std::int64_t value) {
    HWND window = handle();
    if (window == nullptr) return;
    switch (property) {
        case prop::kLeft:
        case prop::kTop:
        case prop::kWidth:
        case prop::kHeight: {
            int rect[4];
            for (int i = 0; i < 4; ++i) rect[i] = static_cast<int>(ReadInteger(i));
            rect[property] = static_cast<int>(value);
            SetWindowPos(window, nullptr, rect[0], rect[1], rect[2], rect[3],
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case prop::kVisible: ShowWindow(window, value ? SW_SHOWNA : SW_HIDE); break;
        case prop::kDisabled: EnableWindow(window, value ? FALSE : TRUE); break;
        default: break;
    }
}

std::string Control::ReadText(int) { return {}; }

void Control::WriteText(int, std::string_view) {}

DWORD BorderExStyle(Border border) {
    return border == Border::Sunken ? WS_EX_CLIENTEDGE : 0;
}

DWORD BorderStyle(Border border) {
    return border == Border::SingleLine ? WS_BORDER : 0;
}

std::string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

}  // namespace vorn::runtime
