// The skinned window's frame items and how its picture is kept: composed in
// the frame buffer (background, then the frame, then the items), copied to
// the screen in WM_PAINT, and handed to children that paint their
// background through the parent (WM_PRINTCLIENT).
#include "skin/windows/window_skin_win.h"

#include "runtime/base/utf_win.h"
#include "skin/item_drawing_win.h"

namespace vorn::skin {
namespace {

RECT ToRect(const RectRecord& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

// What an item's drawing may cover: its rectangle and the focus halo around it.
RECT AreaOf(const SkinItem& item) {
    RECT area = ToRect(item.layoutRect);
    InflateRect(&area, kHaloMargin, kHaloMargin);
    return area;
}

RectRecord ToRecord(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

std::string WindowTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return runtime::Narrow(text);
}

}  // namespace

void WindowSkin::BuildFrame() {
    RECT rect{};
    GetWindowRect(handle(), &rect);
    const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
    FrameFlags flags;
    flags.captionButtons = frame_.captionButtons;
    flags.minimiseBox = frame_.stateButtons && (style & WS_MINIMIZEBOX) != 0;
    flags.maximiseBox = frame_.stateButtons && (style & WS_MAXIMIZEBOX) != 0;
    flags.icon = frame_.showIcon;
    const auto frameItems = BuildFrameItems(rect.right - rect.left, flags);

    for (std::size_t i = 0; i < frameItems.size(); ++i) {
        SkinItem& item = items_[i];
        item.kind = frameItems[i].kind;
        PlaceItem(item, frameItems[i].rect);
        item.visible = frameItems[i].visible;
    }
    TextStyle& title = Frame(FrameSlot::Title).style;
    title.text = frame_.title ? *frame_.title : WindowTextOf(handle());
    title.size = 15;
    title.bold = true;
    title.align = TextAlign::Near;
    title.lineAlign = TextAlign::Centre;
    title.colour = frame_.titleColour;
    title.glow = frame_.titleGlow;
}

void WindowSkin::TakeIcon() {
    auto icon = std::make_shared<plus::PlusImage>();
    if (frame_.icon) {
        icon->CreateFromHIcon(frame_.icon);
    } else if (auto asked = reinterpret_cast<HICON>(SendMessageW(handle(), WM_GETICON, ICON_SMALL, 1))) {
        // The window's icon stays the window's: a copy is taken.
        icon->CreateFromHIcon(asked);
    }
    // None: the icon item shows the skin's.
    if (icon->Native() != nullptr) Frame(FrameSlot::Icon).picture = std::move(icon);
}

void WindowSkin::ComposeRect(const RECT& area) {
    RECT client{};
    GetClientRect(handle(), &client);
    if (!buffer_.Resize(client.right, client.bottom)) return;
    RECT rect{};
    if (!IntersectRect(&rect, &area, &client)) return;

    plus::PlusGraphics& graphics = buffer_.Graphics();
    graphics.SetClipRect(ToRectF(ToRecord(rect)));
    if (origin_ == Origin::Created) {
        // A window of the skin's own has the skin's stone behind everything.
        backdrop_.Paint(graphics, client.right, client.bottom);
    } else {
        // The window's own background first, as its procedure paints it.
        HDC dc = buffer_.Dc();
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        Default(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
        RestoreDC(dc, saved);
        GdiFlush();
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const SkinItem& item = items_[i];
        const RECT itemArea = AreaOf(item);
        RECT overlap{};
        if (!item.visible || !IntersectRect(&overlap, &itemArea, &rect)) continue;
        const bool focused = static_cast<int>(i) == focused_ && hasFocus_;
        painter_.Paint(graphics, item, i,
                       ItemShow{.focused = focused, .pressed = static_cast<int>(i) == pressed_});
    }
    graphics.ResetClip();
    graphics.Flush(Gdiplus::FlushIntentionSync);
}

void WindowSkin::ComposeAll() {
    RECT client{};
    GetClientRect(handle(), &client);
    ComposeRect(client);
    composed_ = true;
}

void WindowSkin::InvalidateItem(std::size_t index) {
    if (handle() == nullptr || index >= items_.size()) return;
    const RECT rect = AreaOf(items_[index]);
    if (composed_) ComposeRect(rect);
    InvalidateRect(handle(), &rect, FALSE);
}

void WindowSkin::Refresh() {
    if (handle() == nullptr) return;
    ComposeAll();
    // Only this window: the children keep what they show, so nothing flickers.
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void WindowSkin::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(handle(), &paint);
    if (!composed_) ComposeAll();
    buffer_.CopyTo(dc, paint.rcPaint);
    EndPaint(handle(), &paint);
}

void WindowSkin::OnSize(WPARAM kind) {
    // The motion keeps the window's rectangle; nothing changes meanwhile.
    if (zoom_.Running()) return;
    if (kind == SIZE_MINIMIZED) {
        // Nothing is seen: nothing moves, and nothing is left lit.
        StopTimers();
        for (SkinItem& item : items_) {
            item.hover.FadeOut();
            item.hover.Finish();
        }
        hovered_ = -1;
        return;
    }
    BuildFrame();
    painter_.ForgetText(Slot(FrameSlot::Title));
    composed_ = false;
    InvalidateRect(handle(), nullptr, FALSE);
    if (origin_ == Origin::Created) {
        RECT rect{};
        GetWindowRect(handle(), &rect);
        SetRoundedRegion(handle(), rect.right - rect.left, rect.bottom - rect.top);
    }
    UpdateCaret();
}

void WindowSkin::PaintPicture(HDC dc) {
    if (!composed_) ComposeAll();
    RECT client{};
    GetClientRect(handle(), &client);
    buffer_.CopyTo(dc, client);
    // The children over it, the bottom of their order first, each at its place.
    const HWND top = GetWindow(handle(), GW_CHILD);
    for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : nullptr; child;
         child = GetWindow(child, GW_HWNDPREV)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
        RECT at{};
        GetWindowRect(child, &at);
        MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&at), 2);
        const int saved = SaveDC(dc);
        SetViewportOrgEx(dc, at.left, at.top, nullptr);
        IntersectClipRect(dc, 0, 0, at.right - at.left, at.bottom - at.top);
        SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
        RestoreDC(dc, saved);
    }
}

void WindowSkin::PrintClient(HDC dc) {
    if (!composed_) ComposeAll();
    RECT client{};
    GetClientRect(handle(), &client);
    buffer_.CopyTo(dc, client);
}

}  // namespace vorn::skin
