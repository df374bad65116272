// The items of a skinned message box and the rules that follow from their
// numbering: which item has the focus first, the order the keyboard moves the
// focus in, what the box puts on the clipboard and how it beeps. Platform-free.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/interfaces/box_request.h"
#include "skin/windows/skin_item.h"

namespace vorn::skin {

// Items are numbered from 1: the captions 1..n in the caller's order, then the
// close button, the title, the message and the check option. The number of the
// item that closed the box is the box's answer, so the close button answers n + 1.
class BoxItems {
public:
    explicit BoxItems(int captionCount) : n_(captionCount) {}

    int CaptionCount() const { return n_; }
    int Count() const { return n_ + 4; }
    int Close() const { return n_ + 1; }
    int Title() const { return n_ + 2; }
    int Message() const { return n_ + 3; }
    int Check() const { return n_ + 4; }

    ItemKind KindOf(int item) const;
    // A caption or the close button: what Enter presses and the focus visits.
    bool IsButton(int item) const { return item >= 1 && item <= Close(); }
    // The default button when it names a caption, else the close button.
    int InitialFocus(int defaultButton) const;
    // Tab and the arrow keys: the captions as they stand from left to right,
    // then the close button, round and round.
    int NextFocus(int item, bool forward) const;

private:
    int n_;
};

// The title a box shows: the caller's, or the product's name for an empty one.
std::string ShownTitle(std::string_view title);

// What Ctrl+C copies: the title, the message, then the captions from left to
// right, the way a system message box copies itself.
std::string ClipboardText(std::string_view title, std::string_view message,
                          const std::vector<std::string>& captions);

// The MessageBeep type for an icon code.
unsigned BeepType(std::uint32_t icon);

}  // namespace vorn::skin
