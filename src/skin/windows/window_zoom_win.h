// The show and hide motion of a skinned window: a picture of the window,
// children included, zooms in from 20 pixels small at alpha 120 on a
// per-pixel layered window, or back out before the window is hidden (not
// destroyed), ticking on the window's own timer. Whatever happens to the
// ticks, it ends whole: the window at the rectangle it had, no longer
// layered (so its children draw themselves again, fully opaque), wearing
// its rounded region.
#pragma once

#include <windows.h>

#include <functional>

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_win.h"
#include "runtime/win32/window_timer_win.h"
#include "skin/windows/layered_surface_win.h"

namespace vorn::skin {

// The rounded outline of a skinned window made by the skin.
void SetRoundedRegion(HWND window, int width, int height);

class WindowZoom {
public:
    // Paints the window as it looks into `dc`, width x height at (0, 0).
    using Picture = std::function<void(HDC dc, int width, int height)>;

    // `finished` is told whether the window ended shown or hidden.
    WindowZoom(UINT_PTR timerId, std::function<void(bool shown)> finished);
    WindowZoom(const WindowZoom&) = delete;
    WindowZoom& operator=(const WindowZoom&) = delete;

    // Shows or hides `window` (top-level) in motion; a motion still running
    // ends whole first. A window already as asked is left as it is.
    void Start(HWND window, bool show, const Picture& picture);
    // A tick of the window's WM_TIMER; false when the timer is not this one's.
    bool OnTimer(UINT_PTR id);
    // Ends at once, whole.
    void Finish();
    // The window is being destroyed: stops without touching it.
    void Abandon();
    bool Running() const { return window_ != nullptr; }

private:
    bool Prepare(const Picture& picture, int width, int height);
    void DrawFrame(int grow, int alpha);

    runtime::WindowTimer timer_;
    std::function<void(bool)> finished_;
    HWND window_ = nullptr;  // while running
    bool showing_ = false;
    ULONGLONG started_ = 0;
    RECT rect_{};  // the window's own, kept to the end
    plus::PlusImage snapshot_;
    LayeredSurface surface_;
    plus::PlusGraphics canvas_;
};

}  // namespace vorn::skin
