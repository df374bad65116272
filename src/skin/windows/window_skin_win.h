// The skin of one window: the frame it draws instead of the system's (caption
// area, title, icon, caption buttons) and the items placed over the window's
// controls, their hover fades and clicks, and the picture of it all kept
// between paints. It attaches to the window and lives as long as the window
// does, or until it is let go.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/win32/drag_gesture_win.h"
#include "runtime/win32/window_object_win.h"
#include "runtime/win32/window_timer_win.h"
#include "skin/colour.h"
#include "skin/windows/frame_buffer_win.h"
#include "skin/windows/frame_geometry.h"
#include "skin/windows/item_painter_win.h"
#include "skin/windows/skin_item.h"

namespace vorn::skin {

struct SkinState;

// Receives the window's close request (WM_CLOSE) and destruction
// (WM_DESTROY); for the close request 1 keeps the window open, 0 lets it close.
// Once given, the skin owns the close and the destruction of the window it
// takes over: the routine is told once per close request and once when the
// window goes, and what lies under the skin is told neither.
using WindowMessageRoutine = std::function<int(HWND window, unsigned message)>;

// Settings of SetOptions; a value left empty keeps the one set before.
struct PellumOptions {
    std::optional<WindowMessageRoutine> onClose;    // setting 1
    std::optional<WindowMessageRoutine> onDestroy;  // setting 2
};

struct FrameOptions {
    bool captionButtons = true;
    bool stateButtons = true;  // minimise / maximise, as far as the window's style allows
    bool showIcon = true;
    HICON icon = nullptr;      // not taken over; none: the window's small icon, else the skin's
    std::optional<std::string> title;  // UTF-8; none: the window's own text
    Colour titleColour = 0xFFFFFF;
    bool titleGlow = true;
    // Given: the icon is pressed like a button, and this is its routine
    // (the window's menu, for instance).
    ItemRoutine iconRoutine;
};

// Posted to a skinned window to have it drawn again.
inline constexpr UINT kSkinRedrawMessage = 0x402;

class WindowSkin final : private runtime::WindowObject {
public:
    // Draws from `skin` and asks `routines` (both outlive it); `onGone`
    // runs once the window is destroyed, and may destroy this skin.
    WindowSkin(const SkinState& skin, const PellumOptions& routines, std::function<void()> onGone);
    // Lets the window go, if it is still there: timers stopped, its
    // procedure as before, drawn again by itself.
    ~WindowSkin() override;

    // Takes over `window` with the frame items, then `items`; false when it
    // cannot be attached.
    bool TakeOver(HWND window, const FrameOptions& frame, std::vector<SkinItem> items);

    HWND Window() const { return handle(); }
    // The seven frame items (see FrameSlot), then the window's own ones.
    const std::vector<SkinItem>& Items() const { return items_; }
    // The window's picture as last composed (for checks of what is drawn).
    const FrameBuffer& Buffer() const { return buffer_; }

    // Now: Refresh. Otherwise later, when the window handles kSkinRedrawMessage.
    void Redraw(bool now);
    // Draws the whole window again and shows it at once.
    void Refresh();

    // The item the keyboard is on (-1: none): it wears the focus halo while
    // the window itself has the keyboard focus, and Enter or Space there
    // activates it as a click would.
    void FocusItem(int index);
    int FocusedItem() const { return focused_; }
    // Does what a click on the item does.
    void ClickItem(std::size_t index);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The close routine decides; a window it lets go is destroyed.
    void AskToClose();
    void OnWindowGone() override;
    SkinItem& Frame(FrameSlot slot) { return items_[Slot(slot)]; }
    HCURSOR Cursor(int skinCursor) const;

    // Frame and painting (window_skin_paint_win.cpp).
    void BuildFrame();
    void TakeIcon();
    void ComposeAll();
    void ComposeRect(const RECT& rect);
    void InvalidateItem(std::size_t index);
    void Paint();
    void PrintClient(HDC dc);

    // Mouse, hover, caption buttons and timers (window_skin_input_win.cpp).
    int HitItem(POINT client) const;
    void OnMouseMove(LPARAM position);
    void OnButtonDown(LPARAM position);
    void OnButtonUp(LPARAM position);
    bool OnCaptionDoubleClick(LPARAM position);
    void OnMouseLeave();
    bool OnSetCursor(LPARAM lParam);
    void ShowItemCursor(std::size_t index);
    void OnTimer(WPARAM id);
    void SetHovered(int index);
    void Activate(std::size_t index);
    void UpdateTimers();
    void StopTimers();

    // The keyboard's item (window_skin_focus_win.cpp).
    bool ShowsFocus(std::size_t index) const;
    void InvalidateFocus();
    bool OnKeyDown(WPARAM key, LPARAM flags);

    const SkinState& skin_;
    const PellumOptions& routines_;
    std::function<void()> onGone_;
    ItemPainter painter_;
    FrameOptions frame_;
    std::vector<SkinItem> items_;

    FrameBuffer buffer_;
    bool composed_ = false;
    runtime::WindowTimer fadeTimer_;    // hover fades
    runtime::WindowTimer framesTimer_;  // the cells of a hovered picture link
    int hovered_ = -1;  // index into items_
    int pressed_ = -1;
    int focused_ = -1;
    bool tracking_ = false;
    runtime::DragGesture captionDrag_;
    bool draggingCaption_ = false;
};

}  // namespace vorn::skin
