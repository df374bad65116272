#include "skin/item_drawing_win.h"

#include <algorithm>

namespace vorn::skin {

Gdiplus::RectF ToRectF(const RectRecord& r) {
    return {static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.width),
            static_cast<float>(r.height)};
}

Gdiplus::RectF Whole(const plus::PlusImage& image) {
    return {0, 0, static_cast<float>(image.Width()), static_cast<float>(image.Height())};
}

Opacity::Opacity(int percent) {
    if (percent >= kFullOpacity) return;
    attributes_.Create();
    attributes_.SetColourMatrix(plus::OpacityMatrix(std::max(0, percent) / 100.0f));
}

void DrawPart(plus::PlusGraphics& target, const plus::PlusImage& image,
              const Gdiplus::RectF& destination, const Gdiplus::RectF& source, int percent) {
    if (percent <= 0 || image.Native() == nullptr) return;
    const Opacity attributes(percent);
    target.DrawImageRectRectAttr(image, destination, source, Gdiplus::UnitPixel, attributes.get());
}

void DrawThreeSlice(plus::PlusGraphics& target, const plus::PlusImage& image,
                    const Gdiplus::RectF& source, float caps, const Gdiplus::RectF& destination,
                    int percent) {
    const float middle = destination.Width - 2 * caps;
    if (middle < 0) {
        DrawPart(target, image, destination, source, percent);
        return;
    }
    DrawPart(target, image, {destination.X, destination.Y, caps, destination.Height},
             {source.X, source.Y, caps, source.Height}, percent);
    DrawPart(target, image, {destination.X + caps, destination.Y, middle, destination.Height},
             {source.X + caps, source.Y, source.Width - 2 * caps, source.Height}, percent);
    DrawPart(target, image,
             {destination.X + destination.Width - caps, destination.Y, caps, destination.Height},
             {source.X + source.Width - caps, source.Y, caps, source.Height}, percent);
}

}  // namespace vorn::skin
