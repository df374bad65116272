// The skinned window's frame items and how its picture is kept: composed in
// the frame buffer (background, then the frame, then the items), copied to
// the screen in WM_PAINT, and handed to children that paint their
// background through the parent (WM_PRINTCLIENT).
#include "skin/windows/pellum_window_win.h"

#include "runtime/base/utf_win.h"
#include "skin/windows/item_painter_win.h"

namespace vorn::skin {
namespace {

RECT ToRect(const RectRecord& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

Gdiplus::RectF ToRectF(const RECT& r) {
    return {static_cast<float>(r.left), static_cast<float>(r.top),
            static_cast<float>(r.right - r.left), static_cast<float>(r.bottom - r.top)};
}

std::string WindowTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return runtime::Narrow(text);
}

}  // namespace

void PellumWindow::BuildFrame() {
    RECT rect{};
    GetWindowRect(handle(), &rect);
    const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
    FrameFlags flags;
    flags.captionButtons = frame_.captionButtons;
    flags.minimiseBox = frame_.stateButtons && (style & WS_MINIMIZEBOX) != 0;
    flags.maximiseBox = frame_.stateButtons && (style & WS_MAXIMIZEBOX) != 0;
    flags.icon = frame_.showIcon;
    const auto frameItems = BuildFrameItems(rect.right - rect.left, flags);

    if (items_.size() < frameItems.size()) items_.resize(frameItems.size());
    for (std::size_t i = 0; i < frameItems.size(); ++i) {
        PellumItem& item = items_[i];
        item.kind = frameItems[i].kind;
        item.rect = frameItems[i].rect;
        item.visible = frameItems[i].visible;
    }
    PellumItem& title = items_[1];
    title.text.text = frame_.title ? *frame_.title : WindowTextOf(handle());
    title.text.size = 15;
    title.text.bold = true;
    title.text.align = TextAlign::Near;
    title.text.lineAlign = TextAlign::Centre;
    title.text.colour = frame_.titleColour;
    title.text.glow = frame_.titleGlow;
}

void PellumWindow::TakeIcon() {
    icon_ = std::make_unique<plus::PlusImage>();
    if (frame_.icon) {
        icon_->CreateFromHIcon(frame_.icon);
    } else if (auto asked = reinterpret_cast<HICON>(SendMessageW(handle(), WM_GETICON, ICON_SMALL, 1))) {
        // The window's icon stays the window's: a copy is taken.
        icon_->CreateFromHIcon(asked);
    }
    if (icon_->Native() == nullptr) icon_.reset();
}

void PellumWindow::ComposeRect(const RECT& area) {
    RECT client{};
    GetClientRect(handle(), &client);
    if (!buffer_.Resize(client.right, client.bottom)) return;
    RECT rect{};
    if (!IntersectRect(&rect, &area, &client)) return;

    // The window's own background first, as its procedure paints it.
    HDC dc = buffer_.Dc();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Default(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    RestoreDC(dc, saved);
    GdiFlush();

    plus::PlusGraphics& graphics = buffer_.Graphics();
    graphics.SetClipRect(ToRectF(rect));
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const PellumItem& item = items_[i];
        RECT itemRect = ToRect(item.rect);
        RECT overlap{};
        if (!item.visible || !IntersectRect(&overlap, &itemRect, &rect)) continue;
        painter_->Paint(graphics, item, i, i == 5 ? icon_.get() : nullptr);
    }
    graphics.ResetClip();
    graphics.Flush(Gdiplus::FlushIntentionSync);
}

void PellumWindow::ComposeAll() {
    RECT client{};
    GetClientRect(handle(), &client);
    ComposeRect(client);
    composed_ = true;
}

void PellumWindow::InvalidateItem(std::size_t index) {
    if (handle() == nullptr || index >= items_.size()) return;
    const RECT rect = ToRect(items_[index].rect);
    if (composed_) ComposeRect(rect);
    InvalidateRect(handle(), &rect, FALSE);
}

void PellumWindow::Refresh() {
    if (handle() == nullptr) return;
    ComposeAll();
    // Only this window: the children keep what they show, so nothing flickers.
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void PellumWindow::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(handle(), &paint);
    if (!composed_) ComposeAll();
    buffer_.CopyTo(dc, paint.rcPaint);
    EndPaint(handle(), &paint);
}

void PellumWindow::PrintClient(HDC dc) {
    if (!composed_) ComposeAll();
    RECT client{};
    GetClientRect(handle(), &client);
    buffer_.CopyTo(dc, client);
}

}  // namespace vorn::skin
