#include "skin/windows/window_zoom_win.h"

#include <utility>

#include "runtime/win32/handles_win.h"
#include "skin/windows/frame_buffer_win.h"
#include "skin/windows/window_zoom_frames.h"

namespace vorn::skin {
namespace {

constexpr int kCornerDiameter = 9;

HRGN RoundedRegion(int width, int height) {
    return CreateRoundRectRgn(0, 0, width + 1, height + 1, kCornerDiameter, kCornerDiameter);
}

void SetLayered(HWND window, bool layered) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const LONG_PTR wanted = layered ? style | WS_EX_LAYERED : style & ~LONG_PTR{WS_EX_LAYERED};
    if (wanted != style) SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
}

}  // namespace

void SetRoundedRegion(HWND window, int width, int height) {
    // Once set, the region belongs to the window.
    if (HRGN region = RoundedRegion(width, height); region && !SetWindowRgn(window, region, TRUE))
        DeleteObject(region);
}

WindowZoom::WindowZoom(UINT_PTR timerId, std::function<void(bool shown)> finished)
    : timer_(timerId, kWindowZoomStepMs), finished_(std::move(finished)) {}

void WindowZoom::Start(HWND window, bool show, const Picture& picture) {
    Finish();
    if (!IsWindow(window) || (IsWindowVisible(window) != FALSE) == show) return;
    GetWindowRect(window, &rect_);
    const int width = rect_.right - rect_.left, height = rect_.bottom - rect_.top;
    SetRoundedRegion(window, width, height);
    window_ = window;
    showing_ = show;
    if (!Prepare(picture, width, height)) {
        // No pictures to move: straight to the end.
        Finish();
        return;
    }
    SetLayered(window, true);
    started_ = GetTickCount64();
    const ZoomFrame first = show ? WindowShowFrame(1) : WindowHideFrame(1);
    DrawFrame(first.grow, first.alpha);
    if (show) ShowWindow(window, SW_SHOW);
    timer_.Run(window, true);
}

bool WindowZoom::Prepare(const Picture& picture, int width, int height) {
    FrameBuffer whole;
    if (!picture || !whole.Resize(width, height)) return false;
    picture(whole.Dc(), width, height);
    GdiFlush();
    // Cut to the window's outline: outside it the snapshot stays transparent.
    if (!snapshot_.CreateBitmap(width, height)) return false;
    {
        plus::PlusGraphics graphics;
        if (!graphics.FromImage(snapshot_)) return false;
        const runtime::UniqueRegion outline(RoundedRegion(width, height));
        graphics.SetClipHrgn(outline.get());
        const Gdiplus::RectF area(0, 0, static_cast<float>(width), static_cast<float>(height));
        graphics.DrawImageRectRectAttr(whole.Image(), area, area, Gdiplus::UnitPixel);
    }
    return surface_.Create(window_, width, height) && canvas_.FromDC(surface_.DeviceContext());
}

void WindowZoom::DrawFrame(int grow, int alpha) {
    const int width = rect_.right - rect_.left, height = rect_.bottom - rect_.top;
    surface_.Clear();
    const float shownWidth = static_cast<float>(width + grow);
    const float shownHeight = static_cast<float>(height + grow);
    canvas_.SetInterpolationMode(Gdiplus::InterpolationModeBilinear);
    canvas_.DrawImageRect(snapshot_, Gdiplus::RectF((width - shownWidth) / 2, (height - shownHeight) / 2,
                                                    shownWidth, shownHeight));
    canvas_.Flush();
    surface_.Update(POINT{rect_.left, rect_.top}, SIZE{width, height}, static_cast<BYTE>(alpha));
}

bool WindowZoom::OnTimer(UINT_PTR id) {
    if (id != timer_.Id()) return false;
    if (!Running()) {
        timer_.Stop();
        return true;
    }
    const int step = ZoomStepAt(GetTickCount64() - started_);
    if (step >= kWindowZoomSteps) {
        Finish();
        return true;
    }
    const ZoomFrame frame = showing_ ? WindowShowFrame(step) : WindowHideFrame(step);
    DrawFrame(frame.grow, frame.alpha);
    return true;
}

void WindowZoom::Finish() {
    if (!Running()) return;
    timer_.Stop();
    const HWND window = std::exchange(window_, nullptr);
    canvas_.Delete();
    surface_.Release();
    snapshot_.Dispose();
    if (!showing_) ShowWindow(window, SW_HIDE);
    SetLayered(window, false);
    const int width = rect_.right - rect_.left, height = rect_.bottom - rect_.top;
    SetWindowPos(window, nullptr, rect_.left, rect_.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SetRoundedRegion(window, width, height);
    if (showing_) {
        if (!IsWindowVisible(window)) ShowWindow(window, SW_SHOW);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    if (finished_) finished_(showing_);
}

void WindowZoom::Abandon() {
    timer_.Stop();
    window_ = nullptr;
    canvas_.Delete();
    surface_.Release();
    snapshot_.Dispose();
}

}  // namespace vorn::skin
