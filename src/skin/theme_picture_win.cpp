#include "skin/theme_picture_win.h"

#include <cstdint>

#include "plus/plus_cached_bitmap_win.h"
#include "plus/plus_graphics_win.h"
#include "plus/plus_linear_gradient_brush_win.h"

namespace vorn::skin {

using Gdiplus::RectF;

Colour AverageColour(const plus::PlusImage& picture) {
    const UINT width = picture.Width(), height = picture.Height();
    if (width == 0 || height == 0) return 0;
    std::uint64_t red = 0, green = 0, blue = 0;
    for (UINT y = 0; y < height; ++y) {
        for (UINT x = 0; x < width; ++x) {
            const plus::Argb pixel = picture.GetPixel(static_cast<int>(x), static_cast<int>(y));
            red += (pixel >> 16) & 0xFF;
            green += (pixel >> 8) & 0xFF;
            blue += pixel & 0xFF;
        }
    }
    const std::uint64_t count = std::uint64_t{width} * height;
    return static_cast<Colour>(red / count | (green / count) << 8 | (blue / count) << 16);
}

namespace {

// Fills `fill` with a gradient of the theme colour laid over `span`, from
// `fromAlpha` to `toAlpha` in the direction `mode` gives. The fill starts one
// pixel into the span, so its last column or row lies past the theme.
void FadeEdge(plus::PlusGraphics& graphics, Colour colour, const RectF& span, const RectF& fill,
              std::uint8_t fromAlpha, std::uint8_t toAlpha, Gdiplus::LinearGradientMode mode) {
    plus::PlusLinearGradientBrush brush;
    if (brush.CreateFromRect(span, ToArgb(colour, fromAlpha), ToArgb(colour, toAlpha), mode,
                             Gdiplus::WrapModeTileFlipX))
        graphics.FillRectangle(brush, fill);
}

}  // namespace

plus::PlusImage ComposeBackground(const plus::PlusImage& theme, Colour themeColour, int width,
                                  int height) {
    plus::PlusImage background;
    if (!background.CreateBitmap(width, height)) return {};
    plus::PlusGraphics graphics;
    graphics.FromImage(background);
    graphics.Clear(ToArgb(themeColour));
    if (theme.Native() != nullptr) {
        {
            plus::PlusCachedBitmap cached;
            if (cached.Create(theme, graphics)) graphics.DrawCachedBitmap(cached, 0, 0);
        }
        const auto w = static_cast<float>(theme.Width());
        const auto h = static_cast<float>(theme.Height());
        FadeEdge(graphics, themeColour, RectF(w - 50, 0, 50, h), RectF(w - 49, 0, 50, h), 20, 250,
                 Gdiplus::LinearGradientModeHorizontal);
        // Nearly clear (alpha 0 to 1): the two edge fades already overlap in
        // the corner.
        FadeEdge(graphics, themeColour, RectF(w - 50, h - 50, 50, 50),
                 RectF(w - 49, h - 49, 50, 50), 0, 1, Gdiplus::LinearGradientModeForwardDiagonal);
        FadeEdge(graphics, themeColour, RectF(0, h - 50, w, 50), RectF(0, h - 49, w, 50), 20, 250,
                 Gdiplus::LinearGradientModeVertical);
    }
    graphics.Delete();
    return background;
}

}  // namespace vorn::skin
