// Input as a user gives it: real mouse and keyboard events through SendInput,
// which go to whatever window is under the pointer or has the focus. Bring the
// target's top-level window to the front first.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string_view>

namespace vorn::e2e {

// Makes `topLevel` the foreground window; true once it is.
bool BringToFront(HWND topLevel);

void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
// Left click in the middle of a window, or at a point of its client area.
void ClickWindow(HWND window);
void ClickWindowAt(HWND window, POINT client);
// Press at `from`, move in steps (well past the drag threshold), release at `to`.
void DragMouse(POINT from, POINT to, int steps = 10);

// Types text key by key: characters on the keyboard layout as their key
// (with Shift when needed), anything else as a Unicode key event.
void TypeText(std::wstring_view text);
void PressKey(WORD virtualKey);
// A key while `modifier` is held, e.g. PressChord(VK_SHIFT, VK_HOME).
void PressChord(WORD modifier, WORD virtualKey);

// Polls `condition` until it holds or the timeout passes; true if it held.
// Input is asynchronous: use this to wait for the program to react.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace vorn::e2e
