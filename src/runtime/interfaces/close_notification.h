// What a window's close handler is told and answers. Platform-free, so the
// handlers behind it are tested natively; the numbers are the Win32 message
// codes (WM_CLOSE, WM_DESTROY), checked where the window sends them.
#pragma once

namespace vorn::runtime {

inline constexpr unsigned kCloseRequestMessage = 16;  // WM_CLOSE: the user asks to close
inline constexpr unsigned kDestroyedMessage = 2;      // WM_DESTROY: the window is going

// Answers to a close request.
inline constexpr int kKeepWindowOpen = 1;
inline constexpr int kLetWindowClose = 0;

}  // namespace vorn::runtime
