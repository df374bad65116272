// The program's message loop: it blocks while idle, runs the idle callbacks
// whenever the queue has been emptied, and gives Tab navigation to windows
// that hold controls.
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

    // Until WM_QUIT; returns its exit code.
    int Run();

    // Runs the idle callbacks once, dropping those whose window is gone;
    // true when one of them wants to run again.
    bool RunIdleCallbacks();

private:
    struct Entry {
        HWND window;
        IdleCallback callback;
    };
    std::vector<Entry> idle_;
};

// Dispatches one message, letting its top-level window handle dialog keys
// (Tab, arrows) when it holds controls.
void DispatchWithNavigation(MSG& message);

}  // namespace vorn::runtime
