#include "skin/windows/msg_box_layout.h"

#include <algorithm>

namespace vorn::skin {
namespace {

// The message column is at least this wide and, up to this height, the box
// keeps its minimum height.
constexpr int kTextColumn = 185;
constexpr int kTextRows = 50;
constexpr int kShortTextHeight = 60;
constexpr int kCaptionPitch = 80;

// Half of a length minus half of another, truncated toward zero as a
// fractional result is everywhere in the layout.
int CentredStart(int around, int length) {
    return static_cast<int>(around * 0.5 - length * 0.5);
}

}  // namespace

MsgBoxLayout LayOutMsgBox(const MsgBoxMeasures& m) {
    MsgBoxLayout box;
    box.width = kMsgBoxMinWidth;
    box.height = kMsgBoxMinHeight;
    if (m.textWidth > kTextColumn) box.width += m.textWidth - kTextColumn;
    if (m.textHeight > kTextRows) box.height += m.textHeight - kTextRows;

    const int textHeight = m.textHeight > kTextRows ? m.textHeight : kShortTextHeight;
    const int column = std::max(m.textWidth, kTextColumn);
    box.message = m.hasIcon ? RectRecord{90, 40, column, textHeight}
                            : RectRecord{30, 40, column + 50, textHeight};
    box.icon = RectRecord{30, 40, 60, 60};

    const int n = m.captionCount;
    if (n > 2) box.width = std::max(box.width, 100 + kCaptionPitch * n);
    // A box as large as the screen keeps a margin instead.
    if (box.width >= m.screenWidth) box.width = m.screenWidth - 128;
    if (box.height >= m.screenHeight) box.height = m.screenHeight - 128;

    if (m.owner) {
        box.x = CentredStart(m.owner->width, box.width) + m.owner->x;
        box.y = CentredStart(m.owner->height, box.height) + m.owner->y;
    } else {
        box.x = CentredStart(m.screenWidth, box.width);
        box.y = CentredStart(m.screenHeight, box.height);
    }

    PlaceParts(box, n);
    return box;
}

void PlaceParts(MsgBoxLayout& box, int n) {
    const int w = box.width, h = box.height;
    box.title = RectRecord{13, 13, w - 79, 16};
    box.close = RectRecord{w - 55, 7, 48, 22};
    box.captions.clear();
    for (int i = 1; i <= n; ++i) box.captions.push_back(RectRecord{w - 14 - kCaptionPitch * i, h - 37, 75, 28});
    box.checkLayout = RectRecord{13, h - 34, w - 33 - kCaptionPitch * n, 16};
    box.checkText = RectRecord{box.checkLayout.x + 21, box.checkLayout.y + 1, box.checkLayout.width - 21, 16};
    box.checkHit = RectRecord{box.checkLayout.x, box.checkLayout.y, 21, 16};
}

}  // namespace vorn::skin
