// Where the skinned main window draws what is no child window: the caption,
// its buttons, and the items that replace the about and author labels, the
// generate button and the badge box (at those controls' layout places).
// Points are on the screen, for the real mouse.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vorn::e2e {

// The middle of the drawn item that stands in for the layout control
// `replacedControlId` (for a link label: the middle of its text).
POINT DrawnItemPoint(HWND mainWindow, std::uint32_t replacedControlId);
POINT CloseButtonPoint(HWND mainWindow);
POINT MinimiseButtonPoint(HWND mainWindow);
// A point of the caption's bare band, clear of the title and the buttons.
POINT CaptionPoint(HWND mainWindow);

// The colour on the screen at a point, and the cursor shown now.
COLORREF ScreenPixel(POINT screen);
HCURSOR CurrentCursor();

}  // namespace vorn::e2e
