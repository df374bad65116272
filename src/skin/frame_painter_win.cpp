#include "skin/frame_painter_win.h"

#include "skin/skin_assets.h"
#include "skin/skin_state_win.h"

namespace vorn::skin {
namespace {

using Gdiplus::RectF;

// The parts of a 13 x 28 cell: 5 columns on each side, with the flat column
// between them at 6; rows 0-3 the top, 4-19 the middle, 20-27 the bottom.
constexpr float kSide = 5;
constexpr float kMiddleColumn = 6;
constexpr float kRightColumn = 8;
constexpr float kTop = 4;
constexpr float kMiddleRows = 16;
constexpr float kBottomRow = 20;
constexpr float kBottom = 8;
constexpr float kCellHeight = static_cast<float>(kFrameCells.height);
// The middle column alone is stretched across the frame. One whole pixel
// wide, not a sliver of one: GDI+ under Wine loses whole runs of pixels when
// it maps a wide frame back onto a hundredth of a pixel. Its neighbours
// X+5 and X+7 have its colours, so filtering keeps it one flat colour.
constexpr float kMiddleWidth = 1;
// Stretched pieces reach one pixel under the fixed pieces next to them, which
// are drawn afterwards: a stretched draw may leave its first or last pixel
// unpainted (Wine's GDI+ maps it just outside the source) or half-transparent
// (filtering at the edge), and the fixed piece covers that pixel.
constexpr float kOverlap = 1;

int ShortFrameCell(int state) {
    const bool button = state == kFrameHover || state == kFramePressed || state == kFrameFocused;
    return button ? state : kFrameNormal;
}

}  // namespace

void DrawFrame(plus::PlusGraphics& target, const SkinState& skin, int width, int height,
               int state) {
    const plus::PlusImage& cells = skin.controlImages[kControlFrameCells];
    const auto w = static_cast<float>(width), h = static_cast<float>(height);
    const auto piece = [&](const RectF& destination, const RectF& source) {
        target.DrawImageRectRectAttr(cells, destination, source, Gdiplus::UnitPixel);
    };

    if (height > kFrameCells.height) {
        const auto x = static_cast<float>(kFrameCells.X(state));
        const float left = x, middle = x + kMiddleColumn, right = x + kRightColumn;
        const float innerWidth = w - 2 * kSide, innerHeight = h - kTop - kBottom;
        const float wideX = kSide - kOverlap, wideWidth = innerWidth + 2 * kOverlap;
        const float tallY = kTop - kOverlap, tallHeight = innerHeight + 2 * kOverlap;
        // Stretched first: centre, top and bottom edges, left and right edges.
        piece(RectF(wideX, tallY, wideWidth, tallHeight),
              RectF(middle, kTop, kMiddleWidth, kMiddleRows));
        piece(RectF(wideX, 0, wideWidth, kTop), RectF(middle, 0, kMiddleWidth, kTop));
        piece(RectF(wideX, h - kBottom, wideWidth, kBottom),
              RectF(middle, kBottomRow, kMiddleWidth, kBottom));
        piece(RectF(0, tallY, kSide, tallHeight), RectF(left, kTop, kSide, kMiddleRows));
        piece(RectF(w - kSide, tallY, kSide, tallHeight), RectF(right, kTop, kSide, kMiddleRows));
        // Then the corners as they are.
        piece(RectF(0, 0, kSide, kTop), RectF(left, 0, kSide, kTop));
        piece(RectF(w - kSide, 0, kSide, kTop), RectF(right, 0, kSide, kTop));
        piece(RectF(0, h - kBottom, kSide, kBottom), RectF(left, kBottomRow, kSide, kBottom));
        piece(RectF(w - kSide, h - kBottom, kSide, kBottom),
              RectF(right, kBottomRow, kSide, kBottom));
        return;
    }

    const auto x = static_cast<float>(kFrameCells.X(ShortFrameCell(state)));
    const Gdiplus::InterpolationMode previous = target.GetInterpolationMode();
    target.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    piece(RectF(kSide - kOverlap, 0, w - 2 * kSide + 2 * kOverlap, kCellHeight),
          RectF(x + kMiddleColumn, 0, kMiddleWidth, kCellHeight));
    piece(RectF(0, 0, kSide, kCellHeight), RectF(x, 0, kSide, kCellHeight));
    piece(RectF(w - kSide, 0, kSide, kCellHeight), RectF(x + kRightColumn, 0, kSide, kCellHeight));
    target.SetInterpolationMode(previous);
}

}  // namespace vorn::skin
