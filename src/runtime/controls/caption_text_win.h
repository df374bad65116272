// Drawing a caption inside a rectangle with the layout's alignment.
#pragma once

#include <windows.h>

#include <string>

#include "runtime/interfaces/layout.h"

namespace vorn::runtime {

// Draws `text` on a transparent background, aligned horizontally and
// vertically inside `bounds`; `wrap` breaks long lines at words.
void DrawCaption(HDC dc, const std::wstring& text, RECT bounds, HAlign align, VAlign valign,
                 bool wrap);

// The window's text, UTF-16.
std::wstring WideWindowText(HWND window);

}  // namespace vorn::runtime
