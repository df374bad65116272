// The three timers that move a skinned window's items, run only while
// something moves: an idle window wakes nobody. They are WM_TIMER timers of
// the window itself, so their ticks arrive as its own messages.
#pragma once

#include <windows.h>

#include <array>

namespace vorn::skin {

enum class ItemTimer : UINT_PTR {
    Animation = 1,  // 45 ms: animated items (none of the program's items animates this way)
    Fade = 2,       // 25 ms: hover fades
    Frames = 3,     // 80 ms: the cells of a hovered picture link
};

class ItemTimers {
public:
    ItemTimers() = default;
    ItemTimers(const ItemTimers&) = delete;
    ItemTimers& operator=(const ItemTimers&) = delete;
    ~ItemTimers() { StopAll(); }

    void SetWindow(HWND window);
    // Starts the timer when `wanted` and it is not running; stops it when
    // not wanted and running.
    void Run(ItemTimer timer, bool wanted);
    bool Running(ItemTimer timer) const { return running_[Slot(timer)]; }
    void StopAll();

    static bool IsItemTimer(WPARAM id) { return id >= 1 && id <= 3; }

private:
    static std::size_t Slot(ItemTimer timer) { return static_cast<std::size_t>(timer) - 1; }

    HWND window_ = nullptr;
    std::array<bool, 3> running_{};
};

}  // namespace vorn::skin
