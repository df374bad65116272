// The skin of one window: the frame it draws instead of the system's (caption
// area, title, icon, caption buttons) and the items placed on the window,
// their hover fades, clicks and keyboard focus, the edit item's caret, the
// show and hide motion, and the picture of it all kept between paints. It
// attaches to the window and lives as long as the window does, or until it
// is let go.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/win32/drag_gesture_win.h"
#include "runtime/win32/window_object_win.h"
#include "runtime/win32/window_timer_win.h"
#include "skin/colour.h"
#include "skin/windows/frame_buffer_win.h"
#include "skin/windows/frame_geometry.h"
#include "skin/windows/item_painter_win.h"
#include "skin/windows/skin_item.h"
#include "skin/windows/tab_relay_win.h"
#include "skin/windows/window_backdrop_win.h"
#include "skin/windows/window_zoom_win.h"

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
    // Whether Tab runs on from the items through the window's child controls
    // that have WS_TABSTOP, and a click on an item gives it the focus as a
    // click on a control does. None: yes for a window the skin creates; no
    // for one it takes over, whose controls keep their own Tab handling and
    // focus (there only an edit item takes the focus when clicked).
    std::optional<bool> tabThroughControls;
};

// One stop of a window's Tab order: an item (by its 1-based index) or a
// child control of the window.
struct FocusStop {
    int item = 0;
    HWND control = nullptr;

    friend bool operator==(const FocusStop&, const FocusStop&) = default;
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

    // How the skin came to the window: a window it made has no background
    // of its own, so the skin draws the stone behind the items, and wears
    // the rounded outline.
    enum class Origin { TakenOver, Created };

    // Takes over `window` with the frame items, then `items`; false when it
    // cannot be attached.
    bool TakeOver(HWND window, const FrameOptions& frame, std::vector<SkinItem> items,
                  Origin origin = Origin::TakenOver);
    // Told when a hide motion has hidden the window.
    void SetOnHidden(std::function<void()> hidden) { onHidden_ = std::move(hidden); }

    HWND Window() const { return handle(); }
    // The seven frame items (see FrameSlot), then the window's own ones.
    const std::vector<SkinItem>& Items() const { return items_; }
    // The window's picture as last composed (for checks of what is drawn).
    const FrameBuffer& Buffer() const { return buffer_; }

    // Now: Refresh. Otherwise later, when the window handles kSkinRedrawMessage.
    void Redraw(bool now);
    // Draws the whole window again and shows it at once.
    void Refresh();

    // The items at run time, by their 1-based index (FrameSlot + 1, then the
    // ones made for the window). A value set here tells no routine. False
    // (or empty) for an index that is not an item of the kind.
    std::string ItemText(int index) const;  // UTF-8; an edit item's text
    bool SetItemText(int index, std::string_view text);
    bool IsItemChecked(int index) const;
    // An option button switched on switches the others of its group off.
    bool SetItemChecked(int index, bool checked);
    bool SetItemVisible(int index, bool visible);
    // A greyed item shows grey and takes neither clicks nor the focus.
    bool SetItemGreyed(int index, bool greyed);

    // The item with the focus among the items (0: none). It wears the focus
    // halo, and an edit item has the caret, while the window itself has the
    // keyboard focus.
    int FocusedItem() const { return focused_ + 1; }
    // Gives `index` the focus and the window the keyboard focus; 0 takes the
    // focus off the items (the keyboard focus stays). False for an item that
    // cannot take the focus.
    bool FocusItem(int index);
    // Does what a click on the item does; false when it takes no clicks.
    bool ActivateItem(int index);
    // The Tab order from now on; empty: the focusable items in their order,
    // then (see FrameOptions::tabThroughControls) the tab-stop children.
    void SetFocusOrder(std::vector<FocusStop> order);
    // The stops Tab runs through now: shown, enabled, able to take the focus.
    std::vector<FocusStop> TabStops() const;

    // Shows or hides the window with the zoom-and-fade; hiding leaves the
    // window hidden, not destroyed.
    void ShowAnimated(bool show);
    bool Animating() const { return zoom_.Running(); }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The close routine decides; a window it lets go is destroyed.
    void AskToClose();
    void OnWindowGone() override;
    SkinItem& Frame(FrameSlot slot) { return items_[Slot(slot)]; }
    HCURSOR Cursor(int skinCursor) const;

    SkinItem* ItemAt(int index);
    const SkinItem* ItemAt(int index) const;
    void TakeOutOfPlay(int index);

    // Frame and painting (window_skin_paint_win.cpp).
    void BuildFrame();
    void TakeIcon();
    void ComposeAll();
    void ComposeRect(const RECT& rect);
    void InvalidateItem(std::size_t index);
    void Paint();
    void PrintClient(HDC dc);
    // The window as it looks, children included (for the zoom).
    void PaintPicture(HDC dc);
    void OnSize(WPARAM kind);
    void OnZoomFinished(bool shown);

    // Mouse, hover, caption buttons and timers (window_skin_input_win.cpp).
    int HitItem(POINT client) const;
    void OnMouseMove(LPARAM position);
    void OnButtonDown(LPARAM position, bool doubleClick);
    void OnButtonUp(LPARAM position);
    bool OnCaptionDoubleClick(LPARAM position);
    void OnMouseLeave();
    bool OnSetCursor(LPARAM lParam);
    void ShowItemCursor(std::size_t index);
    void OnTimer(WPARAM id);
    void SetHovered(int index);
    void Activate(std::size_t index);
    // A click's or Space's change of a check box or option button.
    void Toggle(std::size_t index);
    // The routine is told of a new value; the window may be gone afterwards.
    void Notify(std::size_t index, int value);
    void UpdateTimers();
    void StopTimers();

    // Keyboard focus among the items and the controls (window_skin_focus_win.cpp).
    void MoveFocus(bool backward);
    void MoveFocusFrom(HWND control, bool backward);
    void GoTo(const FocusStop& stop);
    void SetFocused(int index);
    void OnSetFocus();
    void OnKillFocus();
    void OnActivate(WPARAM state);
    bool OnKeyDown(WPARAM key);
    bool OnChar(WPARAM character);
    void MoveAmongOptions(bool forward);
    void RelayTabs();
    bool TabsThroughControls() const;

    // The edit item (window_skin_edit_win.cpp).
    SkinItem* FocusedEdit();
    bool EditKeyDown(WPARAM key);
    bool EditChar(wchar_t character);
    void OnEditButtonDown(std::size_t index, POINT at, bool doubleClick);
    void OnEditDrag(POINT at);
    std::size_t EditPositionAt(const SkinItem& item, int x);
    // After the text or the caret moved: scrolled, drawn, the caret placed,
    // and when `changed` the routine told.
    void EditMoved(bool changed);
    void UpdateCaret();
    void HideCaretNow();
    void PlaceComposition(POINT caret);
    bool OnImeComposition(LPARAM parts);
    void CopySelection(const SkinItem& item) const;

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
    bool tracking_ = false;
    runtime::DragGesture captionDrag_;
    bool draggingCaption_ = false;

    Origin origin_ = Origin::TakenOver;
    int focused_ = -1;  // index into items_ of the item with the focus
    bool hasFocus_ = false;  // the window itself has the keyboard focus
    bool swallowTab_ = false;  // the Tab character after a handled Tab key
    bool caretShown_ = false;
    std::vector<FocusStop> focusOrder_;  // empty: the default order
    std::vector<std::unique_ptr<TabRelay>> relays_;
    HWND lastFocusedControl_ = nullptr;  // given the focus back on activation
    WindowZoom zoom_;
    std::function<void()> onHidden_;
    WindowBackdrop backdrop_;  // behind the items of a window the skin made
};

}  // namespace vorn::skin
