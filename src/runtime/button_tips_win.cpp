#include "runtime/button_tips_win.h"

#include <commctrl.h>

namespace vorn::runtime {
namespace {

TOOLINFOW ToolOf(HWND button) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // accepted by every comctl32 version
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = button;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    return tool;
}

}  // namespace

ButtonTips::~ButtonTips() {
    // The window goes with its owner; destroy it here only if that has not happened.
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

bool ButtonTips::EnsureWindow(HWND button, HFONT font) {
    if (tooltip_) return true;
    // Owned by the buttons' top-level window, so it goes with that window.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               GetAncestor(button, GA_ROOT), nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    if (tooltip_ == nullptr) return false;
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

void ButtonTips::Add(HWND button, const std::wstring& text, HFONT font) {
    if (button == nullptr || text.empty() || !EnsureWindow(button, font)) return;
    TOOLINFOW tool = ToolOf(button);
    std::wstring copy = text;  // the message takes a non-const pointer
    tool.lpszText = copy.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ButtonTips::Remove(HWND button) {
    if (tooltip_ == nullptr || !IsWindow(tooltip_)) return;
    TOOLINFOW tool = ToolOf(button);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace vorn::runtime
