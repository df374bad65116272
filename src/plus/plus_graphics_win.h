// A drawing surface: a device context (a window's memory DC) or an image.
// Everything the skin shows is drawn through one of these.
#pragma once

#include <string_view>

#include "plus/plus_handle_win.h"
#include "plus/plus_transforms_win.h"

namespace vorn::plus {

class PlusBrush;
class PlusCachedBitmap;
class PlusFont;
class PlusImage;
class PlusImageAttributes;
class PlusPath;
class PlusPen;
class PlusRegion;
class PlusStringFormat;

class PlusGraphics
    : public PlusTransforms<PlusGraphics, &PlusCalls::TranslateWorldTransform,
                            &PlusCalls::ScaleWorldTransform, &PlusCalls::RotateWorldTransform,
                            &PlusCalls::ResetWorldTransform> {
public:
    Gdiplus::GpGraphics* Native() const { return graphics_.Get(); }

    bool FromDC(HDC dc);
    // Draws into `image`, which must outlive this graphics.
    bool FromImage(const PlusImage& image);
    bool Delete() { return graphics_.Release(); }
    bool Flush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionFlush);

    bool Clear(Argb colour);
    bool SetSmoothingMode(Gdiplus::SmoothingMode mode);
    bool SetTextRenderingHint(Gdiplus::TextRenderingHint hint);
    bool SetCompositingMode(Gdiplus::CompositingMode mode);
    bool SetCompositingQuality(Gdiplus::CompositingQuality quality);
    bool SetInterpolationMode(Gdiplus::InterpolationMode mode);
    Gdiplus::InterpolationMode GetInterpolationMode() const;
    bool SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode);

    bool SetClipRect(const Gdiplus::RectF& rect,
                     Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipPath(const PlusPath& path, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipRegion(const PlusRegion& region,
                       Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipHrgn(HRGN region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool ResetClip();

    bool FillRectangle(const PlusBrush& brush, const Gdiplus::RectF& rect);
    bool FillPath(const PlusBrush& brush, const PlusPath& path);
    bool DrawLine(const PlusPen& pen, Gdiplus::PointF from, Gdiplus::PointF to);
    bool DrawRectangle(const PlusPen& pen, const Gdiplus::RectF& rect);
    bool DrawPath(const PlusPen& pen, const PlusPath& path);

    // At (x, y) at the image's own size (its resolution against this surface's).
    bool DrawImage(const PlusImage& image, float x, float y);
    // The whole image stretched into `destination`.
    bool DrawImageRect(const PlusImage& image, const Gdiplus::RectF& destination,
                       Gdiplus::Unit unit = Gdiplus::UnitPixel);
    bool DrawImageRectI(const PlusImage& image, const Gdiplus::Rect& destination,
                        Gdiplus::Unit unit = Gdiplus::UnitPixel);
    // Part `source` of the image into `destination`, through `attributes`
    // (none, or an empty wrapper: drawn as it is).
    bool DrawImageRectRectAttr(const PlusImage& image, const Gdiplus::RectF& destination,
                               const Gdiplus::RectF& source, Gdiplus::Unit unit,
                               const PlusImageAttributes* attributes = nullptr);
    bool DrawCachedBitmap(const PlusCachedBitmap& cached, int x, int y);

    // Text is UTF-8; `format` may be none for GDI+'s default layout.
    bool DrawString(std::string_view text, const PlusFont& font, const Gdiplus::RectF& layout,
                    const PlusStringFormat* format, const PlusBrush& brush);
    // The box the text takes inside `layout`; empty when nothing was measured.
    Gdiplus::RectF MeasureString(std::string_view text, const PlusFont& font,
                                 const Gdiplus::RectF& layout,
                                 const PlusStringFormat* format = nullptr) const;

private:
    PlusHandle<Gdiplus::GpGraphics, &PlusCalls::DeleteGraphics> graphics_;
};

}  // namespace vorn::plus
