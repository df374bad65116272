// The order Tab moves the keyboard focus through the main window: reading
// order, left to right and then top to bottom, where the slot buttons, the
// slot-name boxes and the field panel are each visited as one block. The
// drawn items that stand in for controls (the two links and "生成文件") are
// in the order under the controls they replaced. Platform-free.
#pragma once

#include <span>
#include <vector>

#include "runtime/interfaces/layout.h"

namespace vorn::mainwindow {

// One place the focus can go, in window coordinates; `block` groups stops
// that are visited together (0: a stop of its own).
struct TabStop {
    runtime::ControlId control = 0;
    int left = 0, top = 0, width = 0, height = 0;
    int block = 0;
};

// The stops in reading order: blocks and single stops are ordered by rows
// (a unit joins the row of the topmost unit not yet placed when it overlaps
// that unit vertically), each row from left to right; a block's own stops
// follow one another in the same order.
std::vector<runtime::ControlId> ReadingOrder(std::span<const TabStop> stops);

// The main window's order. Hidden and disabled controls are in it too; the
// one who moves the focus skips them when they cannot take it.
const std::vector<runtime::ControlId>& MainWindowTabOrder();

}  // namespace vorn::mainwindow
