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

    struct CreateOptions {
        HWND owner = nullptr;
        bool modal = false;  // disable the owner and run the skin's modal loop until the window is gone
        int x = 0, y = 0, width = 0, height = 0;
        bool centre = false;  // on the owner, or on the screen's work area
        std::function<void(HWND)> onCreated;
        FrameOptions frame;
    };
    // A new popup of class "Pellum Window", taken over. Refuses as AttachTo;
    // `created` gets the window (gone again when modal).
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

    // Lets the skinned window go; the window itself stays. Done at exit.
    void TearDown() { skinned_.reset(); }

    HWND Window() const { return skinned_ ? skinned_->Window() : nullptr; }
    // The skinned window's keyboard item (see WindowSkin::FocusItem); indexes
    // from 0 among Items().
    void FocusItem(int index) {
        if (skinned_) skinned_->FocusItem(index);
    }
    int FocusedItem() const { return skinned_ ? skinned_->FocusedItem() : -1; }
    // The skinned window's items: the seven frame items, then the ones made for it.
    const std::vector<SkinItem>& Items() const;
    // The skinned window's picture as last composed (for checks of what is drawn).
    const FrameBuffer& Buffer() const;

private:
    bool IsSetUp() const;
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
