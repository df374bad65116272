// What the box shows and how it moves: the layers drawn once per box, the
// frame composed from them, the zoom-and-fade of opening and closing, the
// hover fades and the flash.
#include <algorithm>
#include <utility>

#include "skin/item_drawing_win.h"
#include "skin/skin_state_win.h"
#include "skin/windows/msg_box_animation.h"
#include "skin/windows/msg_box_window_win.h"
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
}

void MsgBoxWindow::DrawZoomFrame(int grow, int alpha) {
    surface_.Clear();
    const int surfaceWidth = layout_.width + 2 * kMsgBoxZoomMargin;
    const int surfaceHeight = layout_.height + 2 * kMsgBoxZoomMargin;
    const int width = layout_.width + grow, height = layout_.height + grow;
    canvas_.SetInterpolationMode(Gdiplus::InterpolationModeBilinear);
    canvas_.DrawImageRect(snapshot_, Gdiplus::RectF((surfaceWidth - width) / 2.0f,
                                                    (surfaceHeight - height) / 2.0f,
                                                    static_cast<float>(width),
                                                    static_cast<float>(height)));
    canvas_.Flush();
    // The window covers the whole surface, centred on the box's place.
    surface_.Update(POINT{layout_.x - kMsgBoxZoomMargin, layout_.y - kMsgBoxZoomMargin},
                    SIZE{surfaceWidth, surfaceHeight}, static_cast<BYTE>(alpha));
}

void MsgBoxWindow::OnAnimationTimer(UINT_PTR timer) {
    if (busy_ != 0) return;  // the next tick comes soon enough
    if (timer == openingTimer_.Id()) StepOpening();
    else if (timer == closingTimer_.Id()) StepClosing();
    else if (timer == motionTimer_.Id()) OnMotionTimer();
}

void MsgBoxWindow::StepOpening() {
    if (surface_.Empty()) return;
    const BusyGuard busy(busy_);
    ++tick_;
    if (tick_ == 1) {
        // The box is shown opening as it will look with the focus.
        if (snapshot_.CreateBitmap(layout_.width, layout_.height)) {
            plus::PlusGraphics graphics;
            graphics.FromImage(snapshot_);
            const bool hadFocus = std::exchange(hasFocus_, true);
            ComposeBox(graphics, 100);
            hasFocus_ = hadFocus;
        }
    }
    if (tick_ < kZoomTicks) {
        const ZoomFrame frame = OpeningFrame(tick_);
        DrawZoomFrame(frame.grow, frame.alpha);
        if (tick_ == 1) ShowWindow(handle(), SW_SHOW);
        return;
    }
    openingTimer_.Stop();
    tick_ = 0;
    snapshot_.Dispose();
    interactive_ = true;
    if (GetFocus() != handle()) SetFocus(handle());
    hasFocus_ = GetFocus() == handle();
    surface_.Clear();
    ComposeBox(canvas_, RimPercent());
    canvas_.Flush();
    surface_.Update(POINT{layout_.x, layout_.y}, SIZE{layout_.width, layout_.height}, 255);
    UpdateMotionTimer();
}

void MsgBoxWindow::StepClosing() {
    if (surface_.Empty()) return;
    const BusyGuard busy(busy_);
    ++tick_;
    if (tick_ == 1 && snapshot_.CreateBitmap(layout_.width, layout_.height)) {
        plus::PlusGraphics graphics;
        graphics.FromImage(snapshot_);
        ComposeBox(graphics, RimPercent());
    }
    if (tick_ < kZoomTicks) {
        const ZoomFrame frame = ClosingFrame(tick_);
        DrawZoomFrame(frame.grow, frame.alpha);
        return;
    }
    closingTimer_.Stop();
    tick_ = 0;
    // The owner is enabled first, so it is the window that is activated.
    if (disabledOwner_) disabledOwner_->Restore();
    ShowWindow(handle(), SW_HIDE);
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
