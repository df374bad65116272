// A window's timer runs only while it is wanted, ticks as the window's own
// WM_TIMER, and is gone once stopped or let go.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/win32/window_timer_win.h"

namespace vorn::runtime {
namespace {

constexpr UINT_PTR kId = 7;

// Whether a WM_TIMER of `id` for `window` arrives within about `ms`.
bool Ticks(HWND window, int ms) {
    for (int waited = 0; waited < ms; waited += 5) {
        MSG message{};
        if (PeekMessageW(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE) && message.wParam == kId)
            return true;
        Sleep(5);
    }
    return false;
}

class WindowTimerTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyWindow(window); }
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
};

TEST_F(WindowTimerTest, TicksOnlyWhileWanted) {
    WindowTimer timer(kId, 10);
    timer.Run(window, false);
    EXPECT_FALSE(timer.Running());
    EXPECT_FALSE(Ticks(window, 60));

    timer.Run(window, true);
    EXPECT_TRUE(timer.Running());
    EXPECT_TRUE(Ticks(window, 500));
    timer.Run(window, true);  // wanted again: still the one timer
    EXPECT_TRUE(Ticks(window, 500));

    timer.Run(window, false);
    EXPECT_FALSE(timer.Running());
    MSG stale{};
    while (PeekMessageW(&stale, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
    EXPECT_FALSE(Ticks(window, 60));
    EXPECT_FALSE(KillTimer(window, kId)) << "the system's timer is gone too";
}

TEST_F(WindowTimerTest, GoesWithItsOwner) {
    {
        WindowTimer timer(kId, 10);
        timer.Run(window, true);
    }
    EXPECT_FALSE(KillTimer(window, kId));
    WindowTimer none(kId, 10);
    none.Run(nullptr, true);
    EXPECT_FALSE(none.Running()) << "no window, no timer";
}

TEST_F(WindowTimerTest, RunInSetsWhenTheNextTickComes) {
    WindowTimer timer(kId, 2000);
    timer.Run(window, true);
    EXPECT_FALSE(Ticks(window, 100)) << "the long period";
    timer.RunIn(window, 20);
    EXPECT_TRUE(timer.Running());
    EXPECT_TRUE(Ticks(window, 500)) << "the short delay replaces it";
    EXPECT_TRUE(Ticks(window, 500)) << "and repeats";
    timer.Stop();
    EXPECT_FALSE(KillTimer(window, kId)) << "stopped like any other";

    WindowTimer none(kId, 10);
    none.RunIn(nullptr, 10);
    EXPECT_FALSE(none.Running());
}

}  // namespace
}  // namespace vorn::runtime
