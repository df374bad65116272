// The program's message loop: it blocks while idle, runs the idle callbacks
// whenever the queue has been emptied, offers key presses to the shortcuts of
// their window, and gives Tab navigation to windows that hold controls.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace vorn::runtime {

class MessageLoop {
public:
    // Runs while `window` exists, each time the queue has been emptied, until
    // it returns false (no more idle work for now).
    using IdleCallback = std::function<bool()>;
    void AddIdleCallback(HWND window, IdleCallback callback);

    // Offered each key press (WM_KEYDOWN, WM_SYSKEYDOWN) meant for `window`
    // or one of its controls while the window is enabled, before anything
    // else sees it; true when it was a shortcut, which is then not dispatched.
    // A modal box runs its own loop, so no shortcut fires while one is open.
    using KeyFilter = std::function<bool(const MSG&)>;
    void AddKeyFilter(HWND window, KeyFilter filter);

    // Until WM_QUIT; returns its exit code.
    int Run();

    // Runs the idle callbacks once, dropping those whose window is gone;
    // true when one of them wants to run again.
    bool RunIdleCallbacks();

private:
    bool Filtered(const MSG& message) const;

    struct Entry {
        HWND window;
        IdleCallback callback;
    };
    struct KeyEntry {
        HWND window;
        KeyFilter filter;
    };
    std::vector<Entry> idle_;
    std::vector<KeyEntry> keys_;
};

// Dispatches one message, letting its top-level window handle dialog keys
// (Tab, arrows) when it holds controls.
void DispatchWithNavigation(MSG& message);

}  // namespace vorn::runtime
