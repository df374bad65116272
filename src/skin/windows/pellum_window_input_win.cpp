// The skinned window under the mouse: hover fades, the hand over items,
// presses and clicks on items and caption buttons, dragging by the caption,
// and the timers that run only while something moves.
#include "skin/windows/pellum_window_win.h"

#include <windowsx.h>

#include "skin/skin_assets.h"
#include "skin/windows/item_painter_win.h"

namespace vorn::skin {
namespace {

POINT ClientPoint(LPARAM position) { return {GET_X_LPARAM(position), GET_Y_LPARAM(position)}; }

bool IsCaptionButton(int kind) {
    return kind == item_kind::kClose || kind == item_kind::kCloseAlt ||
           kind == item_kind::kMaximise || kind == item_kind::kMinimise;
}

}  // namespace

bool IsInteractive(const PellumItem& item) {
    return IsCaptionButton(item.kind) || item.kind == item_kind::kImageButton ||
           item.kind == item_kind::kLabel || item.kind == item_kind::kPictureLink;
}

bool StepHover(PellumItem& item) {
    // In quickly, out a little slower: about 100 and 200 ms at 25 ms a tick.
    if (item.hover < item.hoverTarget) item.hover = std::min(item.hoverTarget, item.hover + 25);
    else if (item.hover > item.hoverTarget) item.hover = std::max(item.hoverTarget, item.hover - 13);
    return item.hover != item.hoverTarget;
}

int PellumWindow::HitItem(POINT client) const {
    // The last item drawn is the one on top.
    for (int i = static_cast<int>(items_.size()) - 1; i >= 0; --i) {
        const PellumItem& item = items_[static_cast<std::size_t>(i)];
        if (item.visible && IsInteractive(item) && Contains(item.rect, client.x, client.y))
            return i;
    }
    return -1;
}

void PellumWindow::SetHovered(int index) {
    if (index == hovered_) return;
    if (hovered_ >= 0 && static_cast<std::size_t>(hovered_) < items_.size())
        items_[static_cast<std::size_t>(hovered_)].hoverTarget = 0;
    hovered_ = index;
    if (hovered_ >= 0) {
        PellumItem& item = items_[static_cast<std::size_t>(hovered_)];
        item.hoverTarget = kHoverFull;
        item.frame = 0;
    }
    UpdateTimers();
}

void PellumWindow::UpdateTimers() {
    bool fading = false;
    bool animating = false;
    for (const PellumItem& item : items_) {
        fading = fading || item.hover != item.hoverTarget;
        animating = animating || (item.kind == item_kind::kPictureLink && item.hoverTarget > 0 &&
                                  item.hoverCells.count > 1);
    }
    const bool shown = handle() != nullptr && IsWindowVisible(handle()) && !IsIconic(handle());
    timers_.Run(ItemTimer::Fade, shown && fading);
    timers_.Run(ItemTimer::Frames, shown && animating);
}

void PellumWindow::OnTimer(WPARAM id) {
    if (id == static_cast<WPARAM>(ItemTimer::Fade)) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            PellumItem& item = items_[i];
            if (item.hover == item.hoverTarget) continue;
            StepHover(item);
            InvalidateItem(i);
        }
    } else if (id == static_cast<WPARAM>(ItemTimer::Frames)) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            PellumItem& item = items_[i];
            if (item.kind != item_kind::kPictureLink || item.hoverTarget == 0) continue;
            item.frame = (item.frame + 1) % std::max(1, item.hoverCells.count);
            InvalidateItem(i);
        }
    }
    UpdateTimers();
}

void PellumWindow::OnMouseMove(LPARAM position) {
    if (draggingCaption_) {
        captionDrag_.OnMouseMove(handle());
        return;
    }
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    const int hit = HitItem(ClientPoint(position));
    if (hit >= 0) ShowItemCursor(static_cast<std::size_t>(hit));
    if (pressed_ >= 0) {
        // While pressed, only the pressed item lights up, and only under the mouse.
        SetHovered(hit == pressed_ ? pressed_ : -1);
        return;
    }
    SetHovered(hit);
}

void PellumWindow::OnMouseLeave() {
    tracking_ = false;
    if (pressed_ < 0) SetHovered(-1);
}

bool PellumWindow::OnSetCursor(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return false;
    // Asked before the move that brought the pointer here is handled: hit
    // test the pointer itself.
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(handle(), &at);
    const int hit = HitItem(at);
    if (hit < 0) return false;
    ShowItemCursor(static_cast<std::size_t>(hit));
    return true;
}

void PellumWindow::ShowItemCursor(std::size_t index) {
    const int kind = items_[index].kind;
    SetCursor(painter_->Cursor(kind == item_kind::kHostValues ? kCursorKind108 : kCursorHand));
}

void PellumWindow::OnButtonDown(LPARAM position) {
    const POINT at = ClientPoint(position);
    const int hit = HitItem(at);
    if (hit >= 0) {
        pressed_ = hit;
        items_[static_cast<std::size_t>(hit)].pressed = true;
        SetHovered(hit);
        SetCapture(handle());
        InvalidateItem(static_cast<std::size_t>(hit));
        return;
    }
    if (Contains(items_[0].rect, at.x, at.y)) {
        // The caption moves the window, as a title bar does.
        draggingCaption_ = true;
        captionDrag_.OnButtonDown(handle());
    }
}

bool PellumWindow::OnCaptionDoubleClick(LPARAM position) {
    const POINT at = ClientPoint(position);
    if (HitItem(at) >= 0 || !Contains(items_[0].rect, at.x, at.y)) return false;
    // As on a title bar: a window that may be maximised toggles.
    if ((GetWindowLongPtrW(handle(), GWL_STYLE) & WS_MAXIMIZEBOX) == 0 || IsIconic(handle()))
        return true;
    ShowWindowAsync(handle(), IsZoomed(handle()) ? SW_SHOWNORMAL : SW_MAXIMIZE);
    return true;
}

void PellumWindow::OnButtonUp(LPARAM position) {
    if (draggingCaption_) {
        draggingCaption_ = false;
        captionDrag_.OnButtonUp(handle(), position);
        return;
    }
    const int pressed = pressed_;
    pressed_ = -1;
    if (GetCapture() == handle()) ReleaseCapture();
    if (pressed < 0 || static_cast<std::size_t>(pressed) >= items_.size()) return;
    items_[static_cast<std::size_t>(pressed)].pressed = false;
    InvalidateItem(static_cast<std::size_t>(pressed));
    const int hit = HitItem(ClientPoint(position));
    SetHovered(hit);
    if (hit == pressed) Activate(static_cast<std::size_t>(pressed));
}

void PellumWindow::Activate(std::size_t index) {
    // The routine may open a modal box, close the window or tear the skin
    // down: copy what is needed first.
    const HWND window = handle();
    const int kind = items_[index].kind;
    const ItemRoutine routine = items_[index].routine;
    const int answer = routine ? routine(kind, static_cast<int>(index) + 1) : 0;
    if (window == nullptr || !IsWindow(window)) return;
    switch (kind) {
        case item_kind::kClose:
        case item_kind::kCloseAlt:
            if (answer == 0) PostMessageW(window, WM_CLOSE, 0, 0);
            break;
        case item_kind::kMinimise:
            if (answer == 0) ShowWindowAsync(window, SW_SHOWMINIMIZED);
            break;
        case item_kind::kMaximise:
            ShowWindowAsync(window, IsZoomed(window) ? SW_SHOWNORMAL : SW_MAXIMIZE);
            break;
        default: break;
    }
}

}  // namespace vorn::skin
