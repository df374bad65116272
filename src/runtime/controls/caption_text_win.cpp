#include "runtime/controls/caption_text_win.h"

namespace vorn::runtime {
namespace {

UINT HorizontalFormat(HAlign align) {
    switch (align) {
        case HAlign::Centre: return DT_CENTER;
        case HAlign::Right: return DT_RIGHT;
        case HAlign::Left: break;
    }
    return DT_LEFT;
}

}  // namespace

void DrawCaption(HDC dc, const std::wstring& text, RECT bounds, HAlign align, VAlign valign,
                 bool wrap) {
    if (text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    UINT format = HorizontalFormat(align) | DT_NOPREFIX;
    const int length = static_cast<int>(text.size());
    const bool oneLine = !wrap && text.find(L'\n') == std::wstring::npos;
    if (oneLine) {
        format |= DT_SINGLELINE;
        if (valign == VAlign::Middle) format |= DT_VCENTER;
        if (valign == VAlign::Bottom) format |= DT_BOTTOM;
        DrawTextW(dc, text.c_str(), length, &bounds, format);
        return;
    }
    if (wrap) format |= DT_WORDBREAK;
    // Several lines: measure the block, then place it.
    RECT measured = bounds;
    const int height = DrawTextW(dc, text.c_str(), length, &measured, format | DT_CALCRECT);
    const int room = (bounds.bottom - bounds.top) - height;
    if (valign == VAlign::Middle) bounds.top += room / 2;
    if (valign == VAlign::Bottom) bounds.top += room;
    DrawTextW(dc, text.c_str(), length, &bounds, format);
}

std::wstring WideWindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace vorn::runtime
