// The keyboard as a user types on it: real key events through SendInput, which
// go to the window with the focus. Bring the target's top-level window to the
// front first. The mouse is in mouse.h.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string_view>

namespace vorn::e2e {

// Makes `topLevel` the foreground window; true once it is.
bool BringToFront(HWND topLevel);

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
