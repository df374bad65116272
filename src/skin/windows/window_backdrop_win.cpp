#include "skin/windows/window_backdrop_win.h"

#include "plus/plus_image_attributes_win.h"
#include "skin/item_drawing_win.h"
#include "skin/skin_state_win.h"

namespace vorn::skin {
namespace {

using Gdiplus::RectF;

// A band of the theme picture with bare stone and nothing drawn on it: under
// the paperdoll's slots, left of the status bar.
const RectF kBareStone(0, 252, 420, 62);
constexpr plus::Argb kRimGold = 0xB0B8904A;
constexpr float kRimRadius = 4;

}  // namespace

void WindowBackdrop::Paint(plus::PlusGraphics& target, int width, int height) {
    const plus::PlusImage& theme = skin_.background;
    if (stone_.Native() == nullptr && theme.Native() != nullptr &&
        stone_.CreateBitmap(static_cast<int>(kBareStone.Width), static_cast<int>(kBareStone.Height))) {
        plus::PlusGraphics graphics;
        graphics.FromImage(stone_);
        graphics.DrawImageRectRectAttr(theme, RectF(0, 0, kBareStone.Width, kBareStone.Height),
                                       kBareStone, Gdiplus::UnitPixel);
    }
    const RectF whole(0, 0, static_cast<float>(width), static_cast<float>(height));
    if (stone_.Native() != nullptr) {
        // Asked for more than the band holds, the picture repeats, every
        // other copy mirrored, so the cracks run on across the joins.
        plus::PlusImageAttributes mirrored;
        if (mirrored.Create() && mirrored.SetWrapMode(Gdiplus::WrapModeTileFlipXY))
            target.DrawImageRectRectAttr(stone_, whole, whole, Gdiplus::UnitPixel, &mirrored);
    }
    StrokeRoundedRect(target, RectF(0.5f, 0.5f, width - 1.0f, height - 1.0f), kRimRadius, kRimGold, 1);
}

}  // namespace vorn::skin
