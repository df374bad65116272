#include "skin/image_painters_win.h"

#include "skin/skin_assets.h"
#include "skin/skin_state_win.h"

namespace vorn::skin {

using Gdiplus::RectF;

bool SnapshotImage(const plus::PlusImage& source, plus::PlusImage& snapshot, int width,
                   int height) {
    snapshot.Dispose();
    if (!snapshot.CreateBitmap(width, height)) return false;
    plus::PlusGraphics graphics;
    graphics.FromImage(snapshot);
    const RectF area(0, 0, static_cast<float>(width), static_cast<float>(height));
    graphics.DrawImageRectRectAttr(source, area, area, Gdiplus::UnitPixel);
    return true;
}

void DrawStripIcon(plus::PlusGraphics& target, const SkinState& skin, int x, int y, int width,
                   int height, int cell, const plus::PlusImageAttributes* attributes) {
    const RectF destination(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                            static_cast<float>(height));
    const RectF source(static_cast<float>(kStripCells.X(cell)), 0,
                       static_cast<float>(kStripCells.width),
                       static_cast<float>(kStripCells.height));
    target.DrawImageRectRectAttr(skin.controlImages[kControlStripIcons], destination, source,
                                 Gdiplus::UnitPixel, attributes);
}

}  // namespace vorn::skin
