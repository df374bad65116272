// A brush that blends two colours along a line, with a transform of its own.
#pragma once

#include "plus/plus_brush_win.h"
#include "plus/plus_transforms_win.h"

namespace vorn::plus {

class PlusLinearGradientBrush
    : public PlusBrush,
      public PlusTransforms<PlusLinearGradientBrush, &PlusCalls::TranslateLineTransform,
                            &PlusCalls::ScaleLineTransform, &PlusCalls::RotateLineTransform,
                            &PlusCalls::ResetLineTransform> {
public:
    Gdiplus::GpLineGradient* Native() const {
        return static_cast<Gdiplus::GpLineGradient*>(brush_.Get());
    }
    // From `from` at the start point to `to` at the end point.
    bool Create(Gdiplus::PointF start, Gdiplus::PointF end, Argb from, Argb to,
                Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
    // Across `rect` in the direction `mode` gives.
    bool CreateFromRect(const Gdiplus::RectF& rect, Argb from, Argb to,
                        Gdiplus::LinearGradientMode mode,
                        Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
};

}  // namespace vorn::plus
