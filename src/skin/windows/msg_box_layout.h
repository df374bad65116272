// Where the skinned message box goes and where its parts sit, from the
// measured size of its message. Pure arithmetic in pixels (client coordinates
// of the box, screen coordinates for its place), so the rules are checked
// without a window.
#pragma once

#include <optional>
#include <vector>

#include "skin/rect_record.h"

namespace vorn::skin {

struct MsgBoxMeasures {
    int captionCount = 0;
    // The message measured in the box's font without wrapping, truncated to
    // whole pixels.
    int textWidth = 0;
    int textHeight = 0;
    bool hasIcon = false;
    std::optional<RectRecord> owner;  // the owner's window rectangle, when there is one
    int screenWidth = 0;
    int screenHeight = 0;
};

struct MsgBoxLayout {
    int x = 0, y = 0;  // top-left corner on the screen
    int width = 0, height = 0;
    std::vector<RectRecord> captions;  // captions[i - 1] is caption i; caption 1 is the rightmost
    RectRecord close;
    RectRecord title;
    RectRecord message;
    RectRecord icon;         // the square the icon or the caller's picture is drawn into
    RectRecord checkLayout;  // the whole check option
    RectRecord checkText;
    RectRecord checkHit;     // only the tick square takes clicks
};

inline constexpr int kMsgBoxMinWidth = 300;
inline constexpr int kMsgBoxMinHeight = 155;
inline constexpr int kMsgBoxButtonBarHeight = 45;
// The window's pixels outside this inset stay transparent: room for the shadow.
inline constexpr int kMsgBoxInset = 8;

MsgBoxLayout LayOutMsgBox(const MsgBoxMeasures& measures);

// The parts that depend on the box's size alone (title, close button,
// captions, check option), from `box.width` and `box.height`: also how a
// box seen from outside is found to have its buttons where they are.
void PlaceParts(MsgBoxLayout& box, int captionCount);

}  // namespace vorn::skin
