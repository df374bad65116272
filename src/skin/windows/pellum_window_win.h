// The window-skin manager: gives a top-level window the skin's look. It
// attaches to an existing window (or creates a "Pellum Window" popup),
// removes the system frame and draws its own caption area,
// title, icon and caption buttons, plus the items the program places over
// its controls: labels, an image button and a picture link. One object for
// the whole run; one window at a time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/win32/drag_gesture_win.h"
#include "runtime/win32/window_object_win.h"
#include "skin/windows/frame_buffer_win.h"
#include "skin/windows/frame_geometry.h"
#include "skin/windows/item_timers_win.h"
#include "skin/windows/pellum_item_win.h"

namespace vorn::skin {

struct SkinState;
class ItemPainter;

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
};

// Factory arguments. Pictures handed over belong to the manager from then on.
struct LabelItemSpec {
    RectRecord rect;
    int value = 1;  // non-zero: 28 high, with a bullet in its 12-pixel left part
    TextStyle text;  // align and lineAlign are set by the factory
    bool visible = true;
    plus::PlusImage image;  // optional
    ItemRoutine routine;
};

struct ImageButtonSpec {
    RectRecord rect;
    plus::PlusImage picture;  // optional
    std::string caption;
    Colour textColour = 0;
    float fontSize = 13;
    bool visible = true;
    ItemRoutine routine;
};

struct PictureLinkSpec {
    RectRecord rect;
    plus::PlusImage strip;  // the picture both states cut their cells from
    StripCells normal;
    std::optional<StripCells> hover;  // none: the normal cells
    bool visible = true;
    ItemRoutine routine;
};

class PellumWindow : private runtime::WindowObject {
public:
    static constexpr std::uint32_t kOk = 0;
    static constexpr std::uint32_t kNotSetUp = 0xC000003E;
    static constexpr std::uint32_t kBusy = 0xC0000008;
    static constexpr UINT kRedrawMessage = 0x402;
    static constexpr const wchar_t* kClassName = L"Pellum Window";

    // Without a skin (or with one whose images are not loaded) the manager
    // is not set up and refuses every window.
    explicit PellumWindow(const SkinState* skin);
    PellumWindow(const PellumWindow&) = delete;
    PellumWindow& operator=(const PellumWindow&) = delete;
    ~PellumWindow() override;

    // Takes over `window`: kOk; kNotSetUp without a skin; kBusy while a
    // window is attached or the manager is blocked, or for no window.
    std::uint32_t AttachTo(HWND window, const FrameOptions& frame);

    struct CreateOptions {
        HWND owner = nullptr;
        bool modal = false;  // disable the owner and run the skin's modal loop until the window is gone
        int x = 0, y = 0, width = 0, height = 0;
        bool centre = false;  // on the owner, or on the screen's work area
        std::function<void(HWND)> onCreated;
        FrameOptions frame;
    };
    // A new popup of class "Pellum Window", attached. Refuses as AttachTo;
    // `created` gets the window (gone again when modal).
    std::uint32_t CreateSkinnedWindow(const CreateOptions& options, HWND* created = nullptr);

    void SetBlocked(bool blocked) { blocked_ = blocked; }
    void SetOptions(PellumOptions options);
    // Set once: only while it is 0 and `set` holds. Returns the value.
    std::uint32_t HostValue(std::uint32_t value, bool set);
    // Now: Refresh. Otherwise later, when the window handles kRedrawMessage.
    void Redraw(bool now);
    // Draws the whole window again and shows it at once.
    void Refresh();

    // Item factories: each appends one item to the pending items, which the
    // next AttachTo places after the frame items. The answer is the item's
    // index among the attached window's items (from 1).
    int AddLabel(LabelItemSpec wanted);
    int AddImageButton(ImageButtonSpec wanted);
    int AddPictureLink(PictureLinkSpec wanted);

    // Lets the window go: timers stopped, the window procedure restored, the
    // drawing objects freed. The window itself stays. Done at exit, and when
    // the window is destroyed.
    void TearDown();

    HWND Window() const { return handle(); }
    // The attached window's items: the seven frame items, then the pending ones.
    const std::vector<PellumItem>& Items() const { return items_; }
    // The window's picture as last composed (for checks of what is drawn).
    const FrameBuffer& Buffer() const { return buffer_; }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    void OnWindowGone() override;
    // Forgets everything the attached window had: items, pictures, hover.
    void Forget();
    bool IsSetUp() const;
    int NextIndex() const { return kFrameItemCount + static_cast<int>(pending_.size()) + 1; }

    // Frame and painting (pellum_window_paint_win.cpp).
    void BuildFrame();
    void TakeIcon();
    void ComposeAll();
    void ComposeRect(const RECT& rect);
    void InvalidateItem(std::size_t index);
    void Paint();
    void PrintClient(HDC dc);

    // Mouse, hover, caption buttons and timers (pellum_window_input_win.cpp).
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

    const SkinState* skin_;
    std::unique_ptr<ItemPainter> painter_;
    bool blocked_ = false;
    std::uint32_t hostValue_ = 0;
    PellumOptions options_;
    FrameOptions frame_;
    std::vector<PellumItem> pending_;
    std::vector<PellumItem> items_;
    std::unique_ptr<plus::PlusImage> icon_;

    FrameBuffer buffer_;
    bool composed_ = false;
    ItemTimers timers_;
    int hovered_ = -1;  // index into items_
    int pressed_ = -1;
    bool tracking_ = false;
    runtime::DragGesture captionDrag_;
    bool draggingCaption_ = false;
    std::uint32_t modalWatch_ = 0;  // 1 while a modal skinned window lives
};

}  // namespace vorn::skin
