// A graphics path: lines, arcs, rectangles and text outlines, filled or
// stroked through PlusGraphics, or used as a clip or a region.
#pragma once

#include <string_view>

#include "plus/plus_handle_win.h"

namespace vorn::plus {

class PlusFontFamily;
class PlusStringFormat;

class PlusPath {
public:
    Gdiplus::GpPath* Native() const { return path_.Get(); }
    bool Create(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool Delete() { return path_.Release(); }

    bool AddLine(Gdiplus::PointF from, Gdiplus::PointF to);
    // The arc of the ellipse in `box`, angles in degrees clockwise from +x.
    bool AddArc(const Gdiplus::RectF& box, float startAngle, float sweepAngle);
    bool AddRectangle(const Gdiplus::RectF& rect);
    bool AddEllipse(const Gdiplus::RectF& box);
    // A closed rectangle whose corners are quarter ellipses of `roundness` per
    // cent (clamped to 1..100) of its width and height; 100 gives an ellipse.
    // The answer is whether the figure could be closed.
    bool AddRoundRectangle(const Gdiplus::RectF& rect, int roundness);
    // The outlines of UTF-8 `text` laid out in `layout` as `format` says;
    // `style` is a Gdiplus::FontStyle combination, `emSize` in world units.
    bool AddString(std::string_view text, const PlusFontFamily& family, int style, float emSize,
                   const Gdiplus::RectF& layout, const PlusStringFormat& format);
    bool StartFigure();
    bool CloseFigure();

    int PointCount() const;
    Gdiplus::RectF Bounds() const;
    bool IsVisible(Gdiplus::PointF point) const;

private:
    PlusHandle<Gdiplus::GpPath, &PlusCalls::DeletePath> path_;
};

}  // namespace vorn::plus
