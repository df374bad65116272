// The pieces every modal box shares: the owner disabled while it is open, and
// a loop that runs the thread's messages until the box is done.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace vorn::runtime {

// Keeps the owner disabled while the box is open; a window that was disabled
// already stays disabled.
class DisabledOwner {
public:
    explicit DisabledOwner(HWND owner);
    ~DisabledOwner() { Restore(); }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

    // Enables the owner again now (before the box goes, so the activation
    // returns to the owner); later calls do nothing.
    void Restore();

private:
    HWND owner_;
    bool wasDisabled_ = false;
};

struct ModalLoopEnd {
    // The exit code of a WM_QUIT that arrived meanwhile, which the caller
    // posts again once its box is gone so the program's loop ends too.
    std::optional<int> quitCode;
    WPARAM lastWParam = 0;  // of the last message retrieved
};

// Dispatches every message of the thread until `finished` says so, sleeping
// while the queue is empty. `intercept` (may be empty) sees each message
// first and returns true when it used it up (the box's own keys).
ModalLoopEnd RunModalMessageLoop(const std::function<bool()>& finished,
                                 const std::function<bool(MSG&)>& intercept);

}  // namespace vorn::runtime
