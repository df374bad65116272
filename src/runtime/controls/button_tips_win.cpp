#include "runtime/controls/button_tips_win.h"

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

void ButtonTips::Add(HWND button, const std::wstring& text, HFONT font) {
    if (button == nullptr || text.empty()) return;
    font_ = font;
    if (tooltip_)
        AddTool(button, text);
    else
        waiting_.emplace_back(button, text);
}

void ButtonTips::Remove(HWND button) {
    std::erase_if(waiting_, [button](const auto& waiting) { return waiting.first == button; });
    if (tooltip_ == nullptr || !IsWindow(tooltip_)) return;
    TOOLINFOW tool = ToolOf(button);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ButtonTips::OnMouseMove(HWND button, WPARAM wParam, LPARAM lParam) {
    if (tooltip_ || waiting_.empty()) return;  // from now on the tooltip watches the buttons itself
    // Owned by the buttons' top-level window, so it goes with that window.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               GetAncestor(button, GA_ROOT), nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    if (tooltip_ == nullptr) return;
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    for (const auto& [waitingButton, text] : waiting_) AddTool(waitingButton, text);
    waiting_.clear();
    MSG move{button, WM_MOUSEMOVE, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&move.pt);
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void ButtonTips::AddTool(HWND button, const std::wstring& text) {
    TOOLINFOW tool = ToolOf(button);
    std::wstring copy = text;  // the message takes a non-const pointer
    tool.lpszText = copy.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace vorn::runtime
