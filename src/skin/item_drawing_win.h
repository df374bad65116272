// The drawing helpers every skinned window and the message box share:
// rectangles for GDI+, whole pictures, parts of a picture drawn at an
// opacity, and pictures cut in three across. Opacity is in per cent
// everywhere: 0 draws nothing, kFullOpacity draws the picture as it is.
#pragma once

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_attributes_win.h"
#include "plus/plus_image_win.h"
#include "plus/plus_path_win.h"
#include "skin/rect_record.h"

namespace vorn::skin {

inline constexpr int kFullOpacity = 100;  // per cent

Gdiplus::RectF ToRectF(const RectRecord& rect);
Gdiplus::RectF Whole(const plus::PlusImage& image);

// Image attributes that draw `percent` opaque; none for kFullOpacity or more.
class Opacity {
public:
    explicit Opacity(int percent);
    // Null when the picture is drawn as it is.
    const plus::PlusImageAttributes* get() const {
        return attributes_.Native() ? &attributes_ : nullptr;
    }

private:
    plus::PlusImageAttributes attributes_;
};

// `source` of `image` stretched into `destination`, `percent` opaque.
void DrawPart(plus::PlusGraphics& target, const plus::PlusImage& image,
              const Gdiplus::RectF& destination, const Gdiplus::RectF& source,
              int percent = kFullOpacity);

// `source` of `image` cut in three across: its `caps` left and right columns
// as they are, the middle stretched to fill `destination`'s width.
void DrawThreeSlice(plus::PlusGraphics& target, const plus::PlusImage& image,
                    const Gdiplus::RectF& source, float caps, const Gdiplus::RectF& destination,
                    int percent = kFullOpacity);

// A rectangle with circular corners of `radius`, added to `path` as a
// closed figure.
void AddRoundedRect(plus::PlusPath& path, const Gdiplus::RectF& rect, float radius);
// Its outline in `colour`, `width` wide.
void StrokeRoundedRect(plus::PlusGraphics& target, const Gdiplus::RectF& rect, float radius,
                       plus::Argb colour, float width);

}  // namespace vorn::skin
