// Read-only questions about the windows of another process: class, text,
// geometry, state and combo-box contents. Text comes back as UTF-8.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::e2e {

// Every descendant of root (children, their children, ...).
std::vector<HWND> Descendants(HWND root);
// The descendant whose GetDlgCtrlID is the full 32-bit identifier, or nullptr.
HWND FindDescendant(HWND root, std::uint32_t controlId);
std::uint32_t ControlIdOf(HWND window);

std::string ClassNameOf(HWND window);
// The window text through WM_GETTEXT (for labels: their caption).
std::string TextOf(HWND window);

// The window rectangle in the client coordinates of its parent (screen
// coordinates for a top-level window).
RECT RectInParent(HWND window);
RECT ScreenRect(HWND window);
// A point given in a window's client coordinates, on the screen.
POINT ClientToScreenPoint(HWND window, POINT client);

// The window's own WS_VISIBLE bit (IsWindowVisible also asks the ancestors).
bool HasVisibleStyle(HWND window);
LONG_PTR StyleOf(HWND window);
LONG_PTR ExStyleOf(HWND window);

std::vector<std::string> ComboItems(HWND combo);
int ComboSelection(HWND combo);

// The window with the keyboard focus in the thread that owns `window`.
HWND FocusOfThreadOwning(HWND window);

// "class #identifier \"text\"" for failure messages; "none" for nullptr.
std::string Describe(HWND window);
// A visible top-level window of class `className` of the process, or nullptr.
HWND VisibleWindowOfClass(DWORD processId, std::wstring_view className);

inline int Width(const RECT& rect) { return rect.right - rect.left; }
inline int Height(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace vorn::e2e
