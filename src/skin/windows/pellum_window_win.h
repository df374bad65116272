// The window-skin manager: gives a top-level window the skin's look. It
// attaches a WindowSkin to an existing window (or creates a "Pellum Window"
// popup for one), and keeps what the program gives it before and between
// windows: the close and destroy routines, the host value and the items made
// for the next window it takes over. The skin of each window lives as long
// as that window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/interfaces/box_request.h"
#include "skin/windows/window_skin_win.h"

namespace vorn::skin {

struct SkinState;

// What AttachTo and CreateSkinnedWindow answer; the refusals keep the codes
// of the box's refusals.
enum class AttachStatus : std::uint32_t {
    Ok = 0,
    NotSetUp = runtime::refusal::kNotInitialised,  // no skin, or one not yet initialised
    Busy = runtime::refusal::kBusy,  // a window is skinned already, the manager is blocked, or no window
};

// Factory arguments. Pictures handed over belong to the manager from then on.
struct LabelItemOptions {
    RectRecord rect;
    int value = 1;  // non-zero: 28 high, with a bullet in its 12-pixel left part
    TextStyle text;  // align and lineAlign are set by the factory
    bool visible = true;
    plus::PlusImage image;  // optional
    ItemRoutine routine;
};

struct ImageButtonOptions {
    RectRecord rect;
    plus::PlusImage picture;  // optional
    std::string caption;
    Colour textColour = 0;
    float fontSize = 13;
    bool visible = true;
    ItemRoutine routine;
};

// The text style of a window's check boxes and option buttons unless told
// otherwise: white, glowing, 13 units.
inline TextStyle WindowItemText() {
    TextStyle style;
    style.colour = 0xFFFFFF;
    style.size = 13;
    style.glow = true;
    return style;
}

// A check box (kind 101; its text starts 21 pixels right of its left edge)
// or an option button (kind 106; 14 pixels). A click anywhere on it, or
// Space while it has the focus, toggles a check box and switches an option
// button on and the others of its group off; the routine is told the new
// state as its third argument.
struct ChoiceItemOptions {
    RectRecord rect;
    TextStyle text = WindowItemText();  // align and lineAlign are set by the factory
    bool checked = false;
    int group = 0;  // option buttons: the group they are exclusive in
    bool visible = true;
    ItemRoutine routine;
};

// A text label (kind 102): the text in the rectangle, as styled.
struct TextItemOptions {
    RectRecord rect;
    TextStyle text;
    bool visible = true;
};

// A single-line edit box (kind 107) on the skin's light field. The routine
// is told of every change of the text, with its new length in UTF-16 units.
struct EditItemOptions {
    RectRecord rect;
    std::string text;  // UTF-8
    std::string cue;   // shown greyed while the text is empty
    EditChars chars = EditChars::Any;
    std::size_t limit = 0;  // the most UTF-16 units; 0: no limit
    Colour textColour = 0;
    float fontSize = 13;
    bool visible = true;
    ItemRoutine routine;
};

struct PictureLinkOptions {
    RectRecord rect;
    plus::PlusImage strip;  // the picture both states cut their cells from
    StripCells normal;
    std::optional<StripCells> hover;  // none: the normal cells
    bool visible = true;
    ItemRoutine routine;
};

class PellumWindow {
public:
    static constexpr const wchar_t* kClassName = L"Pellum Window";

    // Without a skin (or with one whose images are not loaded) the manager
    // is not set up and refuses every window.
    explicit PellumWindow(const SkinState* skin) : skin_(skin) {}
    PellumWindow(const PellumWindow&) = delete;
    PellumWindow& operator=(const PellumWindow&) = delete;
    ~PellumWindow();

    // Takes over `window` with the items made so far.
    AttachStatus AttachTo(HWND window, const FrameOptions& frame);

    enum class Showing {
        Animated,  // zoomed and faded in (see ShowAnimated)
        Plain,     // shown at once
        Hidden,    // left hidden (a modal window is shown plainly)
    };
    struct CreateOptions {
        HWND owner = nullptr;  // the window it belongs to (stays above it, goes with it)
        // Disable the owner and run the skin's modal loop until the window
        // is gone or hidden.
        bool modal = false;
        int x = 0, y = 0, width = 0, height = 0;
        bool centre = false;  // on the owner, or on the screen's work area
        // Told the new window once it is skinned and before it is shown:
        // the place to make its controls.
        std::function<void(HWND)> onCreated;
        Showing showing = Showing::Animated;
        FrameOptions frame;
    };
    // A new popup of class "Pellum Window", taken over, with the skin's
    // stone behind its items and rounded corners. Refuses as AttachTo;
    // `created` gets the window (when modal, gone or hidden again by then).
    AttachStatus CreateSkinnedWindow(const CreateOptions& options, HWND* created = nullptr);

    void SetBlocked(bool blocked) { blocked_ = blocked; }
    void SetOptions(PellumOptions options);
    // Set once: only while it is 0 and `set` holds. Returns the value.
    std::uint32_t HostValue(std::uint32_t value, bool set);
    // Now: Refresh. Otherwise later, when the window handles kSkinRedrawMessage.
    void Redraw(bool now);
    // Draws the whole window again and shows it at once.
    void Refresh();

    // Item factories: each appends one item to those made for the next
    // window the manager takes over, after its frame items. The answer is
    // the item's index among that window's items (from 1).
    int AddLabel(LabelItemOptions wanted);
    int AddImageButton(ImageButtonOptions wanted);
    int AddPictureLink(PictureLinkOptions wanted);
    int AddCheckBox(ChoiceItemOptions wanted);
    int AddOptionButton(ChoiceItemOptions wanted);
    int AddText(TextItemOptions wanted);
    int AddEdit(EditItemOptions wanted);

    // The skinned window's items at run time, by the index their factory
    // answered (see WindowSkin); false, 0 or empty without a window.
    std::string ItemText(int index) const;
    bool SetItemText(int index, std::string_view text);
    bool IsItemChecked(int index) const;
    bool SetItemChecked(int index, bool checked);
    bool SetItemVisible(int index, bool visible);
    bool SetItemGreyed(int index, bool greyed);
    // Keyboard focus among the items: which has it (0: none), giving it to
    // one (0: none), doing what a click on one does, and the Tab order.
    int FocusedItem() const;
    bool FocusItem(int index);
    bool ActivateItem(int index);
    void SetFocusOrder(std::vector<FocusStop> order);
    // Shows or hides the skinned window with the zoom-and-fade (hidden, not
    // destroyed); it always ends with the window whole.
    void ShowAnimated(bool show);
    bool Animating() const { return skinned_ && skinned_->Animating(); }

    // Lets the skinned window go; the window itself stays. Done at exit.
    void TearDown() { skinned_.reset(); }

    HWND Window() const { return skinned_ ? skinned_->Window() : nullptr; }
    // The skinned window's items: the seven frame items, then the ones made for it.
    const std::vector<SkinItem>& Items() const;
    // The skinned window's picture as last composed (for checks of what is drawn).
    const FrameBuffer& Buffer() const;

private:
    bool IsSetUp() const;
    AttachStatus AttachSkin(HWND window, const FrameOptions& frame, WindowSkin::Origin origin);
    int AddChoice(ItemKind kind, int boxWidth, ChoiceItemOptions wanted);
    // A picture shown on the item: its state becomes 4.
    static void ShowPicture(SkinItem& item, plus::PlusImage picture);
    // Adds the item to those made for the next window; answers its index there.
    int Append(SkinItem item, bool visible, ItemRoutine routine);

    const SkinState* skin_;
    bool blocked_ = false;
    std::uint32_t hostValue_ = 0;
    PellumOptions options_;
    std::vector<SkinItem> pending_;
    std::unique_ptr<WindowSkin> skinned_;
    std::uint32_t modalWatch_ = 0;  // 1 while a modal skinned window lives
};

}  // namespace vorn::skin
