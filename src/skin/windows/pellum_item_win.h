// One drawn item of a skinned window: its kind, where it is, what it shows
// and how far its hover fade has come. The frame items (caption area, title,
// caption buttons, icon) and the items the program places over its controls
// are all of this one record.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "plus/plus_image_win.h"
#include "skin/rect_record.h"
#include "skin/text_style.h"

namespace vorn::skin {

// Called when an item is activated, with the item's kind and its 1-based
// index among the window's items. For the close and minimise buttons a
// non-zero answer keeps the window as it is.
using ItemRoutine = std::function<int(int kind, int index)>;

// Which cells of a picture strip a picture link shows in one state: `count`
// cells of `cellWidth` pixels from column `left`, one after the other while
// the state lasts (one cell: a still picture).
struct StripCells {
    int left = 0;
    int cellWidth = 0;
    int count = 1;
};

inline constexpr int kHoverFull = 100;

struct PellumItem {
    int kind = 0;
    RectRecord rect;
    RectRecord leftPart;  // a label's bullet strip; empty when the item has none
    bool visible = true;
    bool greyed = false;
    int state = 1;  // 1 plain; 4 with a picture
    int value = 0;  // the caller's value (labels: a left part is drawn)
    TextStyle text;
    // A picture shown on the item (an image button's icon; a picture
    // link's strip). Shared: the window's items are copies of the pending ones.
    std::shared_ptr<const plus::PlusImage> picture;
    StripCells normalCells;
    StripCells hoverCells;
    int frame = 0;  // the animated cell while hovered
    ItemRoutine routine;

    // Hover fade: the level drawn now, moving towards the target (0 or
    // kHoverFull) a step per fade tick.
    int hover = 0;
    int hoverTarget = 0;
    bool pressed = false;
};

// Items that react to the mouse: they fade when hovered and show the hand.
bool IsInteractive(const PellumItem& item);

// One fade tick: the level moves towards its target; true while it is not
// there yet.
bool StepHover(PellumItem& item);

}  // namespace vorn::skin
