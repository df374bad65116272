// What the box shows and how it moves: the layers drawn once per box, the
// frame composed from them, the zoom-and-fade of opening and closing, the
// hover fades and the flash.
#include <algorithm>
#include <chrono>
#include <utility>

#include "skin/item_drawing_win.h"
#include "skin/skin_state_win.h"
#include "skin/windows/msg_box_animation.h"
#include "skin/windows/msg_box_window_win.h"
#include "skin/windows/pixel_zoom.h"
#include "skin/windows/standard_icon_painter_win.h"

namespace vorn::skin {
namespace {

// Owns the busy word while it lives, when it was free.
class BusyGuard {
public:
    explicit BusyGuard(std::uint32_t& word) : word_(word), taken_(word == 0) {
        if (taken_) word_ = 1;
    }
    ~BusyGuard() {
        if (taken_) word_ = 0;
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;
    bool Taken() const { return taken_; }

private:
    std::uint32_t& word_;
    bool taken_;
};

}  // namespace

void MsgBoxWindow::BuildSkin() {
    const int width = layout_.width, height = layout_.height;
    if (skinBase_.CreateBitmap(width, height)) {
        plus::PlusGraphics graphics;
        graphics.FromImage(skinBase_);
        backdrop_.PaintBackground(graphics, width, height, tinted_);

        SkinItem& title = Item(numbering_.Title());
        const int badge =
            backdrop_.PaintTitleBadge(graphics, title.textRect, icon_, picture_.Native() != nullptr);
        title.textRect.x += badge;
        title.textRect.width -= badge;
        // The texts never change while the box is open: drawn once, here.
        for (const int text : {numbering_.Title(), numbering_.Message()})
            painter_->Paint(graphics, Item(text), static_cast<std::size_t>(text - 1));

        if (picture_.Native()) {
            graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
            graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
            graphics.DrawImageRect(picture_, ToRectF(layout_.icon));
        } else {
            DrawStandardIcon(graphics, icon_, layout_.icon, skin_);
        }
    }
    if (skinActive_.CreateBitmap(width, height)) {
        plus::PlusGraphics graphics;
        graphics.FromImage(skinActive_);
        backdrop_.PaintFocusRim(graphics, width, height);
    }
}

void MsgBoxWindow::ComposeBox(plus::PlusGraphics& target, int rimPercent) {
    const Gdiplus::RectF box = ToRectF({0, 0, layout_.width, layout_.height});
    DrawPart(target, skinBase_, box, Whole(skinBase_));
    DrawPart(target, skinActive_, box, Whole(skinActive_), rimPercent);
    for (int i = 1; i <= numbering_.Count(); ++i) {
        const SkinItem& item = Item(i);
        // The texts are part of skinBase_.
        if (!item.visible || item.kind == ItemKind::Text) continue;
        const ItemShow show{i == focusItem_ && hasFocus_, i == pressedItem_ && i == hotItem_};
        painter_->Paint(target, item, static_cast<std::size_t>(i - 1), show);
    }
}

int MsgBoxWindow::RimPercent() const {
    if (flashStep_ > 0) return FlashStrength(flashStep_);
    return hasFocus_ ? 100 : 0;
}

void MsgBoxWindow::Redraw() {
    // The animations draw every frame themselves.
    if (!interactive_ || surface_.Empty()) return;
    const BusyGuard busy(busy_);
    if (!busy.Taken()) {
        redrawAgain_ = true;
        return;
    }
    do {
        redrawAgain_ = false;
        surface_.ClearRect(RECT{0, 0, layout_.width, layout_.height});
        ComposeBox(canvas_, RimPercent());
        canvas_.Flush();
        surface_.Update();
    } while (redrawAgain_);
    shownCurrent_ = true;
}

void MsgBoxWindow::CacheBox(int rimPercent, bool focused) {
    // Drawn into the surface exactly as the open box is shown there, then
    // kept aside: each step of the motion only scales it.
    surface_.Clear();
    const bool hadFocus = std::exchange(hasFocus_, focused || hasFocus_);
    ComposeBox(canvas_, rimPercent);
    hasFocus_ = hadFocus;
    canvas_.Flush();
    KeepShownBox();
}

void MsgBoxWindow::KeepShownBox() {
    const int width = layout_.width, height = layout_.height;
    zoomSource_.clear();
    const ConstPixelRows shown = std::as_const(surface_).Rows();
    if (shown.width < width || shown.height < height) return;
    zoomSource_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        std::copy_n(shown.Row(y), width, zoomSource_.begin() + static_cast<std::ptrdiff_t>(y) * width);
}

void MsgBoxWindow::DrawZoomFrame(const ZoomFrame& frame) {
    const int surfaceWidth = layout_.width + 2 * kMsgBoxZoomMargin;
    const int surfaceHeight = layout_.height + 2 * kMsgBoxZoomMargin;
    const int width = layout_.width + frame.grow, height = layout_.height + frame.grow;
    // Centred in the surface; an odd size change puts it half a pixel off.
    const double left = (surfaceWidth - width) / 2.0, top = (surfaceHeight - height) / 2.0;
    if (zoomSource_.empty()) {
        surface_.Clear();
    } else {
        // Every pixel of the surface is written: the rest is transparent.
        const ConstPixelRows box{zoomSource_.data(), layout_.width, layout_.width, layout_.height};
        ZoomPixels(box, surface_.Rows(), left, top, width, height);
    }
    // The window covers the whole surface, centred on the box's place; the
    // frame's opacity is the whole window's.
    surface_.Update(POINT{layout_.x - kMsgBoxZoomMargin, layout_.y - kMsgBoxZoomMargin},
                    SIZE{surfaceWidth, surfaceHeight}, static_cast<BYTE>(frame.alpha));
}

void MsgBoxWindow::OnAnimationTimer(UINT_PTR timer) {
    if (busy_ != 0) return;  // the next tick comes soon enough
    if (timer == openingTimer_.Id()) StepOpening();
    else if (timer == closingTimer_.Id()) StepClosing();
    else if (timer == motionTimer_.Id()) OnMotionTimer();
}

double MsgBoxWindow::MotionElapsedMs() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - motionStart_).count();
}

int MsgBoxWindow::NextMotionTick(runtime::WindowTimer& timer) {
    const double elapsed = MotionElapsedMs();
    // The first frame is always shown, so the window always first covers the
    // zoom surface; after it the clock chooses, skipping what a late tick missed.
    const int due = tick_ == 0 ? 1 : ZoomTickAt(elapsed, tickMs_);
    if (due < kZoomTicks)
        timer.RunIn(handle(), static_cast<UINT>(ZoomDelayMs(std::max(due, tick_), elapsed, tickMs_)));
    return due > tick_ ? due : 0;
}

void MsgBoxWindow::Tell(bool closing, const ZoomFrame& frame, bool shown) {
    if (!watch_) return;
    watch_(MsgBoxStep{closing, tick_, frame, shown, MotionElapsedMs(), &surface_});
}

void MsgBoxWindow::StepOpening() {
    if (surface_.Empty()) return;
    const BusyGuard busy(busy_);
    const int due = NextMotionTick(openingTimer_);
    if (due == 0) return;
    const bool first = tick_ == 0;
    tick_ = due;
    if (first) CacheBox(100, true);  // the box is shown opening as it will look with the focus
    if (tick_ < kZoomTicks) {
        const ZoomFrame frame = OpeningFrame(tick_);
        DrawZoomFrame(frame);
        if (first) ShowWindow(handle(), SW_SHOW);
        Tell(false, frame);
        return;
    }
    openingTimer_.Stop();
    interactive_ = true;
    if (GetFocus() != handle()) SetFocus(handle());
    hasFocus_ = GetFocus() == handle();
    surface_.Clear();
    if (hasFocus_ && RimPercent() == 100 && !zoomSource_.empty()) {
        // Nothing it shows has changed since the box was drawn for the zoom
        // (input waits for the opening's end): that drawing is the box.
        const PixelRows shown = surface_.Rows();
        for (int y = 0; y < layout_.height && y < shown.height; ++y)
            std::copy_n(zoomSource_.begin() + static_cast<std::ptrdiff_t>(y) * layout_.width,
                        std::min(layout_.width, shown.width), shown.Row(y));
    } else {
        ComposeBox(canvas_, RimPercent());
        canvas_.Flush();
    }
    zoomSource_ = {};
    shownCurrent_ = true;
    surface_.Update(POINT{layout_.x, layout_.y}, SIZE{layout_.width, layout_.height}, 255);
    Tell(false, OpeningFrame(tick_));
    tick_ = 0;
    UpdateMotionTimer();
}

void MsgBoxWindow::StepClosing() {
    if (surface_.Empty()) return;
    const BusyGuard busy(busy_);
    const int due = NextMotionTick(closingTimer_);
    if (due == 0) return;
    if (tick_ == 0) {
        // The box as it is shown, unless what it shows has changed since.
        if (closeShown_) KeepShownBox();
        else CacheBox(RimPercent(), false);
    }
    tick_ = due;
    if (tick_ < kZoomTicks) {
        const ZoomFrame frame = ClosingFrame(tick_);
        DrawZoomFrame(frame);
        Tell(true, frame);
        return;
    }
    closingTimer_.Stop();
    zoomSource_ = {};
    // The owner is enabled first, so it is the window that is activated.
    if (disabledOwner_) disabledOwner_->Restore();
    ShowWindow(handle(), SW_HIDE);
    Tell(true, ZoomFrame{ClosingFrame(kZoomTicks - 1).grow, 0}, false);
    tick_ = 0;
    PostMessageW(handle(), WM_CLOSE, kFinalCloseCode, 0);
}

void MsgBoxWindow::OnMotionTimer() {
    for (SkinItem& item : items_) item.hover.Step();
    if (flashStep_ > 0 && ++flashStep_ > kFlashSteps) flashStep_ = 0;
    Redraw();
    UpdateMotionTimer();
}

void MsgBoxWindow::UpdateMotionTimer() {
    const bool fading = std::any_of(items_.begin(), items_.end(),
                                    [](const SkinItem& item) { return item.hover.Running(); });
    motionTimer_.Run(handle(), interactive_ && handle() && (fading || flashStep_ > 0));
}

void MsgBoxWindow::StartFlash() {
    if (!interactive_ || flashStep_ > 0) return;
    flashStep_ = 1;
    Redraw();
    UpdateMotionTimer();
}

}  // namespace vorn::skin
