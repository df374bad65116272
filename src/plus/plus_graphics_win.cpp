#include "plus/plus_graphics_win.h"

#include <string>

#include "runtime/base/utf_win.h"
#include "plus/plus_brush_win.h"
#include "plus/plus_cached_bitmap_win.h"
#include "plus/plus_font_win.h"
#include "plus/plus_image_attributes_win.h"
#include "plus/plus_image_win.h"
#include "plus/plus_path_win.h"
#include "plus/plus_pen_win.h"
#include "plus/plus_region_win.h"
#include "plus/plus_string_format_win.h"

namespace vorn::plus {
namespace {

// Objects a call needs besides the graphics: an empty one is not handed to GDI+.
template <typename... Natives>
bool Present(Natives*... natives) {
    return ((natives != nullptr) && ...);
}

template <typename Wrapper>
auto NativeOrNone(const Wrapper* wrapper) {
    return wrapper != nullptr ? wrapper->Native() : nullptr;
}

}  // namespace

bool PlusGraphics::FromDC(HDC dc) { return graphics_.Create<&PlusCalls::CreateFromHDC>(dc); }

bool PlusGraphics::FromImage(const PlusImage& image) {
    return graphics_.CreateFrom<&PlusCalls::GetImageGraphicsContext>(image.Native());
}

bool PlusGraphics::Flush(Gdiplus::FlushIntention intention) {
    return graphics_.Call<&PlusCalls::Flush>(intention);
}

bool PlusGraphics::Clear(Argb colour) { return graphics_.Call<&PlusCalls::GraphicsClear>(colour); }

bool PlusGraphics::SetSmoothingMode(Gdiplus::SmoothingMode mode) {
    return graphics_.Call<&PlusCalls::SetSmoothingMode>(mode);
}

bool PlusGraphics::SetTextRenderingHint(Gdiplus::TextRenderingHint hint) {
    return graphics_.Call<&PlusCalls::SetTextRenderingHint>(hint);
}

bool PlusGraphics::SetCompositingMode(Gdiplus::CompositingMode mode) {
    return graphics_.Call<&PlusCalls::SetCompositingMode>(mode);
}

bool PlusGraphics::SetCompositingQuality(Gdiplus::CompositingQuality quality) {
    return graphics_.Call<&PlusCalls::SetCompositingQuality>(quality);
}

bool PlusGraphics::SetInterpolationMode(Gdiplus::InterpolationMode mode) {
    return graphics_.Call<&PlusCalls::SetInterpolationMode>(mode);
}

Gdiplus::InterpolationMode PlusGraphics::GetInterpolationMode() const {
    return graphics_.Read<&PlusCalls::GetInterpolationMode, Gdiplus::InterpolationMode>();
}

bool PlusGraphics::SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode) {
    return graphics_.Call<&PlusCalls::SetPixelOffsetMode>(mode);
}

bool PlusGraphics::SetClipRect(const Gdiplus::RectF& rect, Gdiplus::CombineMode mode) {
    return graphics_.Call<&PlusCalls::SetClipRect>(rect.X, rect.Y, rect.Width, rect.Height, mode);
}

bool PlusGraphics::SetClipPath(const PlusPath& path, Gdiplus::CombineMode mode) {
    return Present(path.Native()) && graphics_.Call<&PlusCalls::SetClipPath>(path.Native(), mode);
}

bool PlusGraphics::SetClipRegion(const PlusRegion& region, Gdiplus::CombineMode mode) {
    return Present(region.Native()) &&
           graphics_.Call<&PlusCalls::SetClipRegion>(region.Native(), mode);
}

bool PlusGraphics::SetClipHrgn(HRGN region, Gdiplus::CombineMode mode) {
    return Present(region) && graphics_.Call<&PlusCalls::SetClipHrgn>(region, mode);
}

bool PlusGraphics::ResetClip() { return graphics_.Call<&PlusCalls::ResetClip>(); }

bool PlusGraphics::FillRectangle(const PlusBrush& brush, const Gdiplus::RectF& rect) {
    return Present(brush.NativeBrush()) &&
           graphics_.Call<&PlusCalls::FillRectangle>(brush.NativeBrush(), rect.X, rect.Y,
                                                     rect.Width, rect.Height);
}

bool PlusGraphics::FillPath(const PlusBrush& brush, const PlusPath& path) {
    return Present(brush.NativeBrush(), path.Native()) &&
           graphics_.Call<&PlusCalls::FillPath>(brush.NativeBrush(), path.Native());
}

bool PlusGraphics::DrawLine(const PlusPen& pen, Gdiplus::PointF from, Gdiplus::PointF to) {
    return Present(pen.Native()) &&
           graphics_.Call<&PlusCalls::DrawLine>(pen.Native(), from.X, from.Y, to.X, to.Y);
}

bool PlusGraphics::DrawRectangle(const PlusPen& pen, const Gdiplus::RectF& rect) {
    return Present(pen.Native()) && graphics_.Call<&PlusCalls::DrawRectangle>(
                                        pen.Native(), rect.X, rect.Y, rect.Width, rect.Height);
}

bool PlusGraphics::DrawPath(const PlusPen& pen, const PlusPath& path) {
    return Present(pen.Native(), path.Native()) &&
           graphics_.Call<&PlusCalls::DrawPath>(pen.Native(), path.Native());
}

bool PlusGraphics::DrawImage(const PlusImage& image, float x, float y) {
    return Present(image.Native()) && graphics_.Call<&PlusCalls::DrawImage>(image.Native(), x, y);
}

bool PlusGraphics::DrawImageRect(const PlusImage& image, const Gdiplus::RectF& destination,
                                 Gdiplus::Unit unit) {
    const Gdiplus::RectF whole(0, 0, static_cast<float>(image.Width()),
                               static_cast<float>(image.Height()));
    return DrawImageRectRectAttr(image, destination, whole, unit);
}

bool PlusGraphics::DrawImageRectI(const PlusImage& image, const Gdiplus::Rect& destination,
                                  Gdiplus::Unit unit) {
    return Present(image.Native()) &&
           graphics_.Call<&PlusCalls::DrawImageRectRectI>(
               image.Native(), destination.X, destination.Y, destination.Width, destination.Height,
               0, 0, static_cast<INT>(image.Width()), static_cast<INT>(image.Height()), unit,
               nullptr, nullptr, nullptr);
}

bool PlusGraphics::DrawImageRectRectAttr(const PlusImage& image, const Gdiplus::RectF& destination,
                                         const Gdiplus::RectF& source, Gdiplus::Unit unit,
                                         const PlusImageAttributes* attributes) {
    return Present(image.Native()) &&
           graphics_.Call<&PlusCalls::DrawImageRectRect>(
               image.Native(), destination.X, destination.Y, destination.Width, destination.Height,
               source.X, source.Y, source.Width, source.Height, unit, NativeOrNone(attributes),
               nullptr, nullptr);
}

bool PlusGraphics::DrawCachedBitmap(const PlusCachedBitmap& cached, int x, int y) {
    return Present(cached.Native()) &&
           graphics_.Call<&PlusCalls::DrawCachedBitmap>(cached.Native(), x, y);
}

bool PlusGraphics::DrawString(std::string_view text, const PlusFont& font,
                              const Gdiplus::RectF& layout, const PlusStringFormat* format,
                              const PlusBrush& brush) {
    const std::wstring wide = runtime::Widen(text);
    return Present(font.Native(), brush.NativeBrush()) &&
           graphics_.Call<&PlusCalls::DrawString>(wide.c_str(), static_cast<INT>(wide.size()),
                                                  font.Native(), &layout, NativeOrNone(format),
                                                  brush.NativeBrush());
}

Gdiplus::RectF PlusGraphics::MeasureString(std::string_view text, const PlusFont& font,
                                           const Gdiplus::RectF& layout,
                                           const PlusStringFormat* format) const {
    const std::wstring wide = runtime::Widen(text);
    Gdiplus::RectF box;
    if (!Present(font.Native()) || !graphics_.Call<&PlusCalls::MeasureString>(
                                       wide.c_str(), static_cast<INT>(wide.size()), font.Native(),
                                       &layout, NativeOrNone(format), &box, nullptr, nullptr))
        return {};
    return box;
}

}  // namespace vorn::plus
