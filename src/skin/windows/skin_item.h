// One drawn item of the message box or of a skinned window: what kind it is,
// where it is, what it shows and how far its hover fade has come. The box's
// caption buttons, close button, texts and check option, a window's frame
// items and the items the program places over its controls are all of this
// one record. Platform-free: the pictures it may hold are only named here.
#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "skin/rect_record.h"
#include "skin/text_style.h"
#include "skin/windows/edit_line.h"
#include "skin/windows/hover_fade.h"

namespace vorn::plus {
class PlusImage;
}

namespace vorn::skin {

// The kinds, by the codes the skin's callers know them by.
enum class ItemKind : int {
    Close = 1,  // the box's close button, a window's close caption button
    CloseAlt = 2,  // closes as Close does
    Maximise = 3,  // maximise / restore
    Minimise = 4,
    Caption = 100,  // a button with a caption: the box's, a window's image button
    Check = 101,    // the box's check option, a window's check box
    Text = 102,     // the box's title and message, a window's title and text labels
    CaptionArea = 103,
    Icon = 104,
    Label = 105,       // a bulleted link label
    Option = 106,      // an option button; one of its group is on
    Edit = 107,        // a single-line edit box
    HostValues = 108,  // holds two values of the caller; not drawn
    PictureLink = 112,
};

// What an item tells its owner, with the item's kind code and its 1-based
// index among the window's items: that it was activated (a click, or Enter
// or Space while it has the focus), or, with a third argument, that its
// value changed: a check box's or option button's new state (1 on, 0 off),
// an edit item's new length in UTF-16 units. A routine of two arguments
// hears both without the value. For the close and minimise buttons a
// non-zero answer keeps the window as it is.
class ItemRoutine {
public:
    using Told = std::function<int(int kind, int index, std::optional<int> value)>;

    ItemRoutine() = default;
    template <typename Routine>
        requires(!std::same_as<std::remove_cvref_t<Routine>, ItemRoutine> &&
                 std::invocable<Routine&, int, int, std::optional<int>>)
    ItemRoutine(Routine routine) : told_(std::move(routine)) {}
    template <typename Routine>
        requires(!std::invocable<Routine&, int, int, std::optional<int>> &&
                 std::invocable<Routine&, int, int>)
    ItemRoutine(Routine routine)
        : told_([routine = std::move(routine)](int kind, int index, std::optional<int>) mutable {
              return routine(kind, index);
          }) {}

    explicit operator bool() const { return static_cast<bool>(told_); }
    // A missing routine answers 0.
    int operator()(int kind, int index, std::optional<int> value = std::nullopt) const {
        return told_ ? told_(kind, index, value) : 0;
    }

private:
    Told told_;
};

// Which cells of a picture strip a picture link shows in one state: `count`
// cells of `cellWidth` pixels from column `left`, one after the other while
// the state lasts (one cell: a still picture).
struct StripCells {
    int left = 0;
    int cellWidth = 0;
    int count = 1;
};

struct SkinItem {
    ItemKind kind = ItemKind::Text;
    bool visible = true;  // drawn and hit-tested
    TextStyle style;
    RectRecord layoutRect;  // where it is drawn
    RectRecord textRect;    // where its text goes
    RectRecord hitRect;     // where it takes the mouse
    HoverFade hover;
    bool checked = false;  // a check option's, check box's or option button's state

    // What the items a window places over its controls add.
    RectRecord leftPart;  // a label's bullet strip; empty when it has none
    bool greyed = false;
    int state = 1;  // 1 plain; 4 with a picture
    int value = 0;  // the caller's value (labels: a left part is drawn)
    // The window's icon, an image button's picture, a picture link's strip.
    // Shared: a window's items are copies of the ones made for it.
    std::shared_ptr<const plus::PlusImage> picture;
    StripCells normalCells;
    StripCells hoverCells;
    int frame = 0;  // a picture link's animated cell while hovered
    ItemRoutine routine;

    int group = 0;    // option buttons of one group are exclusive
    EditLine edit;    // an edit item's text (style.text is not used)
    std::string cue;  // UTF-8; shown greyed in an empty edit item
};

// Whether the item can take the keyboard focus: edit items, buttons, check
// boxes, option buttons, and picture links that do something, while shown
// and not greyed.
inline bool TakesFocus(const SkinItem& item) {
    if (!item.visible || item.greyed) return false;
    switch (item.kind) {
        case ItemKind::Caption:
        case ItemKind::Check:
        case ItemKind::Label:
        case ItemKind::Option:
        case ItemKind::Edit: return true;
        case ItemKind::PictureLink:
        case ItemKind::Icon: return static_cast<bool>(item.routine);  // a window's menu, say
        default: return false;
    }
}

// An item whose layout, text and hit rectangles are one.
inline void PlaceItem(SkinItem& item, const RectRecord& rect) {
    item.layoutRect = item.textRect = item.hitRect = rect;
}

}  // namespace vorn::skin
