// Where the drawn frame of a skinned window and its items sit: the caption
// area, the title, the caption buttons and the icon, and the size rules of
// the items the program places over its controls. Platform-free, so the
// arithmetic is tested on its own.
#pragma once

#include <array>
#include <cstddef>

#include "skin/rect_record.h"
#include "skin/windows/skin_item.h"

namespace vorn::skin {

inline constexpr int kCaptionHeight = 30;
inline constexpr int kCloseButtonWidth = 48;
inline constexpr int kMiddleButtonWidth = 29;  // maximise/restore
inline constexpr int kOuterButtonWidth = 30;   // minimise
inline constexpr int kCaptionButtonHeight = 22;
inline constexpr int kFrameItemCount = 7;

// The frame items, in drawing order, by their place among a window's items.
enum class FrameSlot : std::size_t {
    CaptionArea,
    Title,
    Close,
    Maximise,
    Minimise,
    Icon,
    HostValues,
};
constexpr std::size_t Slot(FrameSlot slot) { return static_cast<std::size_t>(slot); }

struct FrameFlags {
    bool captionButtons = true;  // the close button (and the state buttons the window allows)
    bool minimiseBox = false;    // the window can be minimised
    bool maximiseBox = false;    // the window can be maximised
    bool icon = true;
};

struct FrameItem {
    ItemKind kind = ItemKind::CaptionArea;
    RectRecord rect;
    bool visible = false;
};

// The seven frame items of a window `width` pixels wide, by FrameSlot. The
// caption buttons stand right-aligned at the top, close rightmost; a state
// button the window does not allow is hidden and takes no room.
std::array<FrameItem, kFrameItemCount> BuildFrameItems(int width, const FrameFlags& flags);

// An image button is at least this high.
inline constexpr int kImageButtonMinHeight = 28;
int ImageButtonHeight(int height);

// Where an image button draws its picture: square, 24 pixels when the
// picture is wider or taller than 22 pixels, else 16; 5 (24) or 6 (16)
// pixels from the button's left edge, centred vertically.
RectRecord ImageButtonPictureRect(const RectRecord& button, int pictureWidth, int pictureHeight);

// A label with a left part (a bullet) is 28 high and its left part is the
// 12 x 28 strip at its left edge; its text fills the rest.
inline constexpr int kLabelHeight = 28;
inline constexpr int kLabelLeftPartWidth = 12;
RectRecord LabelTextRect(const RectRecord& label, const RectRecord& leftPart);

// A check box's box is 21 pixels wide, an option button's 14; the text
// starts right after it and fills the rest of the item.
inline constexpr int kCheckBoxWidth = 21;
inline constexpr int kOptionButtonWidth = 14;
RectRecord ChoiceTextRect(const RectRecord& item, int boxWidth);

// Where an edit item's text goes inside its field: clear of the field's
// 6-pixel ends, 3 pixels from its top and bottom.
inline constexpr int kEditInsetX = 6;
inline constexpr int kEditInsetY = 3;
RectRecord EditTextRect(const RectRecord& box);

// The focus halo reaches this far outside the item it surrounds.
inline constexpr int kHaloMargin = 3;

// `picture` (width x height) scaled to fit inside `box`, keeping its shape,
// centred. Fractions are truncated.
RectRecord FitCentred(const RectRecord& box, int width, int height);

}  // namespace vorn::skin
