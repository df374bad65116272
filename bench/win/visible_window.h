// The benches' way of seeing a started program's window: its first visible
// top-level window.
#pragma once

#include <windows.h>

namespace vorn::bench {

// A visible top-level window of the process, or nullptr while it has none.
inline HWND VisibleWindowOf(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != wanted->processId || !IsWindowVisible(window)) return TRUE;
            wanted->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace vorn::bench
