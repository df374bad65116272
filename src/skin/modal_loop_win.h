// The modal loop of the skinned boxes: it runs every message of the thread (so
// the disabled owner keeps painting and its timers tick) until the box clears
// the word it watches.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vorn::skin {

// Runs until `watched` is 0, sleeping while no message is waiting. Then the
// owner (when set) is enabled again and cleared. A WM_QUIT that ends the loop
// early is posted again so the program's own loop ends too. Returns the
// wParam of the last message retrieved (0 when none was).
WPARAM RunModalLoop(const std::uint32_t& watched, HWND* owner);

}  // namespace vorn::skin
