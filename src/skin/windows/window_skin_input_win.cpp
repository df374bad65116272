// The skinned window under the mouse: hover fades, the hand over items,
// presses and clicks on items and caption buttons, dragging by the caption,
// and the timers that run only while something moves.
#include "skin/windows/window_skin_win.h"

#include <windowsx.h>

#include "skin/skin_assets.h"

namespace vorn::skin {
namespace {

POINT ClientPoint(LPARAM position) { return {GET_X_LPARAM(position), GET_Y_LPARAM(position)}; }

// The steps of a window's hover fade: in quickly, out a little slower,
// about 100 and 200 ms at 25 ms a tick.
constexpr FadeSteps kWindowFade{25, 13};

bool IsCaptionButton(ItemKind kind) {
    return kind == ItemKind::Close || kind == ItemKind::CloseAlt || kind == ItemKind::Maximise ||
           kind == ItemKind::Minimise;
}

// Items that take the mouse; all but the edit item fade when hovered and
// show the hand. A greyed item takes nothing.
bool IsInteractive(const SkinItem& item) {
    if (item.greyed) return false;
    return IsCaptionButton(item.kind) || item.kind == ItemKind::Caption ||
           item.kind == ItemKind::Label || item.kind == ItemKind::PictureLink ||
           item.kind == ItemKind::Check || item.kind == ItemKind::Option ||
           item.kind == ItemKind::Edit || (item.kind == ItemKind::Icon && item.routine);
}

}  // namespace

int WindowSkin::HitItem(POINT client) const {
    // The last item drawn is the one on top.
    for (int i = static_cast<int>(items_.size()) - 1; i >= 0; --i) {
        const SkinItem& item = items_[static_cast<std::size_t>(i)];
        if (item.visible && IsInteractive(item) && Contains(item.hitRect, client.x, client.y))
            return i;
    }
    return -1;
}

void WindowSkin::SetHovered(int index) {
    // The edit item shows the text beam instead.
    if (index >= 0 && items_[static_cast<std::size_t>(index)].kind == ItemKind::Edit) index = -1;
    if (index == hovered_) return;
    if (hovered_ >= 0 && static_cast<std::size_t>(hovered_) < items_.size())
        items_[static_cast<std::size_t>(hovered_)].hover.FadeOut();
    hovered_ = index;
    if (hovered_ >= 0) {
        SkinItem& item = items_[static_cast<std::size_t>(hovered_)];
        item.hover.FadeIn();
        item.frame = 0;
    }
    UpdateTimers();
}

void WindowSkin::UpdateTimers() {
    bool fading = false;
    bool animating = false;
    for (const SkinItem& item : items_) {
        fading = fading || item.hover.Running();
        animating = animating || (item.kind == ItemKind::PictureLink && item.hover.Lit() &&
                                  item.hoverCells.count > 1);
    }
    const bool shown = handle() != nullptr && IsWindowVisible(handle()) && !IsIconic(handle());
    fadeTimer_.Run(handle(), shown && fading);
    framesTimer_.Run(handle(), shown && animating);
}

void WindowSkin::StopTimers() {
    fadeTimer_.Stop();
    framesTimer_.Stop();
}

void WindowSkin::OnTimer(WPARAM id) {
    if (id == fadeTimer_.Id()) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i].hover.Step(kWindowFade)) InvalidateItem(i);
        }
    } else if (id == framesTimer_.Id()) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            SkinItem& item = items_[i];
            if (item.kind != ItemKind::PictureLink || !item.hover.Lit()) continue;
            item.frame = (item.frame + 1) % std::max(1, item.hoverCells.count);
            InvalidateItem(i);
        }
    }
    UpdateTimers();
}

void WindowSkin::OnMouseMove(LPARAM position) {
    if (draggingCaption_) {
        captionDrag_.OnMouseMove(handle());
        return;
    }
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    if (pressed_ >= 0 && items_[static_cast<std::size_t>(pressed_)].kind == ItemKind::Edit) {
        OnEditDrag(ClientPoint(position));
        return;
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

void WindowSkin::OnMouseLeave() {
    tracking_ = false;
    if (pressed_ < 0) SetHovered(-1);
}

bool WindowSkin::OnSetCursor(LPARAM lParam) {
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

void WindowSkin::ShowItemCursor(std::size_t index) {
    const ItemKind kind = items_[index].kind;
    SetCursor(Cursor(kind == ItemKind::HostValues ? kCursorKind108
                     : kind == ItemKind::Edit     ? kCursorEditBeam
                                                  : kCursorHand));
}

void WindowSkin::OnButtonDown(LPARAM position, bool doubleClick) {
    const POINT at = ClientPoint(position);
    const int hit = HitItem(at);
    if (hit >= 0 && items_[static_cast<std::size_t>(hit)].kind == ItemKind::Edit) {
        OnEditButtonDown(static_cast<std::size_t>(hit), at, doubleClick);
        return;
    }
    if (hit >= 0) {
        // As a click on a control: in a window whose controls share the Tab
        // cycle, the item takes the focus.
        if (TabsThroughControls() && TakesFocus(items_[static_cast<std::size_t>(hit)]))
            FocusItem(hit + 1);
        pressed_ = hit;
        SetHovered(hit);
        SetCapture(handle());
        InvalidateItem(static_cast<std::size_t>(hit));
        return;
    }
    if (Contains(Frame(FrameSlot::CaptionArea).hitRect, at.x, at.y)) {
        // The caption moves the window, as a title bar does.
        draggingCaption_ = true;
        captionDrag_.OnButtonDown(handle());
    }
}

bool WindowSkin::OnCaptionDoubleClick(LPARAM position) {
    const POINT at = ClientPoint(position);
    if (HitItem(at) >= 0 || !Contains(Frame(FrameSlot::CaptionArea).hitRect, at.x, at.y))
        return false;
    // As on a title bar: a window that may be maximised toggles.
    if ((GetWindowLongPtrW(handle(), GWL_STYLE) & WS_MAXIMIZEBOX) == 0 || IsIconic(handle()))
        return true;
    ShowWindowAsync(handle(), IsZoomed(handle()) ? SW_SHOWNORMAL : SW_MAXIMIZE);
    return true;
}

void WindowSkin::OnButtonUp(LPARAM position) {
    if (draggingCaption_) {
        draggingCaption_ = false;
        captionDrag_.OnButtonUp(handle(), position);
        return;
    }
    const int pressed = pressed_;
    pressed_ = -1;
    if (GetCapture() == handle()) ReleaseCapture();
    if (pressed < 0 || static_cast<std::size_t>(pressed) >= items_.size()) return;
    InvalidateItem(static_cast<std::size_t>(pressed));
    if (items_[static_cast<std::size_t>(pressed)].kind == ItemKind::Edit) return;
    const int hit = HitItem(ClientPoint(position));
    SetHovered(hit);
    if (hit == pressed) Activate(static_cast<std::size_t>(pressed));
}

void WindowSkin::Activate(std::size_t index) {
    const ItemKind kind = items_[index].kind;
    if (kind == ItemKind::Check || kind == ItemKind::Option) {
        Toggle(index);
        return;
    }
    if (kind == ItemKind::Edit) {
        FocusItem(static_cast<int>(index) + 1);
        return;
    }
    // The routine may open a modal box, close the window or tear the skin
    // down: copy what is needed first.
    const HWND window = handle();
    const ItemRoutine routine = items_[index].routine;
    const int answer = routine(static_cast<int>(kind), static_cast<int>(index) + 1);
    if (window == nullptr || !IsWindow(window)) return;
    switch (kind) {
        case ItemKind::Close:
        case ItemKind::CloseAlt:
            if (answer == 0) PostMessageW(window, WM_CLOSE, 0, 0);
            break;
        case ItemKind::Minimise:
            if (answer == 0) ShowWindowAsync(window, SW_SHOWMINIMIZED);
            break;
        case ItemKind::Maximise:
            ShowWindowAsync(window, IsZoomed(window) ? SW_SHOWNORMAL : SW_MAXIMIZE);
            break;
        default: break;
    }
}

void WindowSkin::Toggle(std::size_t index) {
    SkinItem& item = items_[index];
    // An option button goes on (and its group off); a check box turns over.
    const bool checked = item.kind == ItemKind::Option ? true : !item.checked;
    if (checked == item.checked) return;
    SetItemChecked(static_cast<int>(index) + 1, checked);
    Notify(index, checked ? 1 : 0);
}

void WindowSkin::Notify(std::size_t index, int value) {
    const ItemRoutine routine = items_[index].routine;
    routine(static_cast<int>(items_[index].kind), static_cast<int>(index) + 1, value);
}

}  // namespace vorn::skin
