#include "plus/plus_linear_gradient_brush_win.h"

namespace vorn::plus {

bool PlusLinearGradientBrush::Create(Gdiplus::PointF start, Gdiplus::PointF end, Argb from, Argb to,
                                     Gdiplus::WrapMode wrap) {
    return brush_.Create<&PlusCalls::CreateLineBrush, Gdiplus::GpLineGradient>(&start, &end, from,
                                                                               to, wrap);
}

bool PlusLinearGradientBrush::CreateFromRect(const Gdiplus::RectF& rect, Argb from, Argb to,
                                             Gdiplus::LinearGradientMode mode,
                                             Gdiplus::WrapMode wrap) {
    return brush_.Create<&PlusCalls::CreateLineBrushFromRect, Gdiplus::GpLineGradient>(
        &rect, from, to, mode, wrap);
}

}  // namespace vorn::plus
