#include "skin/item_drawing_win.h"

#include <algorithm>

#include "plus/plus_pen_win.h"

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
    // The middle columns are all alike: a narrow middle takes fewer of them
    // rather than squeezing them, which would blur the caps' edges into it.
    const float columns = std::min(source.Width - 2 * caps, std::max(middle, 1.0f));
    const float from = source.X + (source.Width - columns) / 2;
    DrawPart(target, image, {destination.X + caps, destination.Y, middle, destination.Height},
             {from, source.Y, columns, source.Height}, percent);
    DrawPart(target, image,
             {destination.X + destination.Width - caps, destination.Y, caps, destination.Height},
             {source.X + source.Width - caps, source.Y, caps, source.Height}, percent);
}

void AddRoundedRect(plus::PlusPath& path, const Gdiplus::RectF& r, float radius) {
    using Gdiplus::RectF;
    const float d = radius * 2;
    path.AddArc(RectF(r.X + r.Width - d, r.Y, d, d), 270, 90);
    path.AddArc(RectF(r.X + r.Width - d, r.Y + r.Height - d, d, d), 0, 90);
    path.AddArc(RectF(r.X, r.Y + r.Height - d, d, d), 90, 90);
    path.AddArc(RectF(r.X, r.Y, d, d), 180, 90);
    path.CloseFigure();
}

void StrokeRoundedRect(plus::PlusGraphics& target, const Gdiplus::RectF& rect, float radius,
                       plus::Argb colour, float width) {
    plus::PlusPath path;
    plus::PlusPen pen;
    if (!path.Create() || !pen.Create(colour, width)) return;
    AddRoundedRect(path, rect, radius);
    target.DrawPath(pen, path);
}

}  // namespace vorn::skin
