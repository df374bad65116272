// One skinned message box, from its request to its answer: a borderless,
// per-pixel layered popup of class "Pellum MsgBox" over its disabled owner,
// with a title, a message, an optional icon or picture, caption buttons laid
// out from right to left, a close button and an optional check option. It
// zooms and fades in and out, fades its buttons under the pointer, flashes
// when its disabled owner is clicked, and answers with the item that closed
// it and the check option's state. It lives for one box.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_win.h"
#include "runtime/interfaces/box_request.h"
#include "runtime/win32/drag_gesture_win.h"
#include "runtime/win32/modal_box_win.h"
#include "runtime/win32/window_object_win.h"
#include "runtime/win32/window_timer_win.h"
#include "skin/windows/item_painter_win.h"
#include "skin/windows/layered_surface_win.h"
#include "skin/windows/msg_box_animation.h"
#include "skin/windows/msg_box_backdrop_win.h"
#include "skin/windows/msg_box_items.h"
#include "skin/windows/msg_box_layout.h"

namespace vorn::skin {

struct SkinState;

inline constexpr wchar_t kMsgBoxClass[] = L"Pellum MsgBox";
// wParam of the WM_CLOSE the box posts itself when its closing animation is
// over: that one destroys the window.
inline constexpr WPARAM kFinalCloseCode = 9339;
// The animations draw the box up to this much larger on every side.
inline constexpr int kMsgBoxZoomMargin = 20;

// One step of a box's opening or closing, told as the window has just shown
// it: for the tests that watch the motion.
struct MsgBoxStep {
    bool closing = false;
    int tick = 0;       // 1..kZoomTicks
    ZoomFrame frame;    // the size change and opacity shown
    bool shown = true;  // false: the closing's last tick, which hides the window
    double elapsedMs = 0;  // since ShowBox (opening) or the close request (closing)
    // What the window shows: the whole zoom surface (kMsgBoxZoomMargin around
    // the box) during the motion, the box's own size in its top left corner
    // at the opening's last tick.
    const LayeredSurface* surface = nullptr;
};
using MsgBoxStepWatch = std::function<void(const MsgBoxStep&)>;

class MsgBoxWindow final : private runtime::WindowObject {
public:
    // The box `request` asks for, drawn from `skin`; the request has captions.
    // `watch`, when given, is told every step of the opening and closing.
    MsgBoxWindow(const SkinState& skin, const runtime::BoxRequest& request, MsgBoxStepWatch watch = {});
    ~MsgBoxWindow() override;

    // Shows the box and runs it modally; returns once it has gone. The owner
    // (when it is a window) is disabled meanwhile and enabled again before
    // this returns. A WM_QUIT that arrives meanwhile ends the box at once (as
    // closed) and is posted again.
    runtime::BoxAnswer Run();

    // The box's window; null until it is shown and once it has gone.
    HWND Handle() const { return handle(); }
    // The opening animation is over and the box takes input.
    bool Interactive() const { return interactive_; }

private:
    // --- the box's life (msg_box_window_win.cpp)
    void PrepareItems(const runtime::BoxRequest& request);
    bool CreateBoxWindow();
    MsgBoxMeasures Measure() const;
    void LayOutItems();
    void OnWindowGone() override;
    SkinItem& Item(int item) { return items_[static_cast<std::size_t>(item - 1)]; }
    const SkinItem& Item(int item) const { return items_[static_cast<std::size_t>(item - 1)]; }

    // --- drawing and motion (msg_box_window_paint_win.cpp)
    void BuildSkin();
    // The finished box at (0, 0) of `target`, the focus rim at `rimPercent`.
    void ComposeBox(plus::PlusGraphics& target, int rimPercent);
    // Composes (unless a redraw is already running, which then repeats)
    // and shows the box.
    void Redraw();
    int RimPercent() const;
    // Draws the box once, at full size, for the zoom to scale: as it is
    // shown with the rim at `rimPercent` (the focus forced on when `focused`).
    void CacheBox(int rimPercent, bool focused);
    // Keeps the box the surface shows in its top left corner for the zoom.
    void KeepShownBox();
    void DrawZoomFrame(const ZoomFrame& frame);
    void OnAnimationTimer(UINT_PTR timer);
    // The motion's clock: since ShowBox, or since the close request.
    double MotionElapsedMs() const;
    // The tick due now (the first one whatever the clock says when none has
    // been shown yet), or 0 when the one shown is still due; in that case
    // and after each step that is not the last, `timer` is set to tick when
    // the next step is due.
    int NextMotionTick(runtime::WindowTimer& timer);
    void Tell(bool closing, const ZoomFrame& frame, bool shown = true);
    void StepOpening();
    void StepClosing();
    void OnMotionTimer();
    void UpdateMotionTimer();
    void StartFlash();

    // --- input (msg_box_window_input_win.cpp)
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnClose(WPARAM code);
    bool OnSetCursor(LPARAM lParam);
    void OnMouseMove(int x, int y);
    void OnButtonDown(int x, int y);
    void OnButtonUp(int x, int y);
    void OnMouseLeave();
    bool OnKeyDown(WPARAM key);
    bool OnChar(WPARAM character);
    // The first visible item under the point that takes clicks, else 0.
    int HitTest(int x, int y) const;
    void Hover(int item);
    void MoveFocus(int item);
    // Starts the closing animation with `item` as the answer.
    void RequestClose(int item);
    void CopyToClipboard() const;

    const SkinState& skin_;
    // The modal loop runs until it is 0: the box window is gone.
    std::uint32_t windowOpen_ = 0;
    // Re-entrancy guard of the drawing: a redraw that finds it taken asks
    // the running one to repeat and returns.
    std::uint32_t busy_ = 0;
    bool redrawAgain_ = false;

    // The request, as the box shows it.
    HWND owner_ = nullptr;
    BoxItems numbering_;
    std::vector<SkinItem> items_;
    std::string title_, message_;
    std::vector<std::string> captions_;
    std::uint32_t icon_ = 0;
    plus::PlusImage picture_;
    bool tinted_ = false;

    MsgBoxLayout layout_;
    int focusItem_ = 0;    // the button Enter presses
    int hotItem_ = 0;      // under the pointer
    int pressedItem_ = 0;  // held down with the mouse
    int resultItem_ = 0;   // what closes the box
    bool interactive_ = false;  // the opening animation is over
    bool closing_ = false;
    bool hasFocus_ = false;
    // The surface shows the box as ComposeBox would draw it now.
    bool shownCurrent_ = false;
    // The closing starts from what the surface shows.
    bool closeShown_ = false;
    int tick_ = 0;       // of the running opening or closing: the last one shown
    int tickMs_ = 0;     // the opening's and closing's tick
    std::chrono::steady_clock::time_point motionStart_;
    MsgBoxStepWatch watch_;
    int flashStep_ = 0;  // 0: no flash
    runtime::WindowTimer openingTimer_;
    runtime::WindowTimer closingTimer_;
    runtime::WindowTimer motionTimer_;  // hover fades and the flash

    MsgBoxBackdrop backdrop_;
    std::optional<ItemPainter> painter_;  // made at the box's caption size
    plus::PlusImage skinBase_;    // background, fixed texts, icon
    plus::PlusImage skinActive_;  // the focus rim alone
    // The whole box, drawn once when the opening or closing starts,
    // premultiplied, top-down rows: what the animations scale.
    std::vector<std::uint32_t> zoomSource_;
    LayeredSurface surface_;
    plus::PlusGraphics canvas_;
    runtime::DragGesture drag_;
    std::optional<runtime::DisabledOwner> disabledOwner_;
};

}  // namespace vorn::skin
