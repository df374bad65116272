// The world or brush/pen transform of a drawing object: translate, scale,
// rotate, reset, and scaling or rotating about a point. Graphics, linear
// gradient brushes and pens share it; each names its own four flat functions.
#pragma once

#include "plus/plus_handle_win.h"

namespace vorn::plus {

// Derived provides Native(), the GDI+ object the four entries act on.
template <typename Derived, auto Translate, auto Scale, auto Rotate, auto Reset>
class PlusTransforms {
public:
    bool TranslateTransform(float dx, float dy,
                            Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend) {
        return CallPlus<Translate>(Self().Native(), dx, dy, order);
    }
    bool ScaleTransform(float sx, float sy,
                        Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend) {
        return CallPlus<Scale>(Self().Native(), sx, sy, order);
    }
    bool RotateTransform(float degrees, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend) {
        return CallPlus<Rotate>(Self().Native(), degrees, order);
    }
    bool ResetTransform() { return CallPlus<Reset>(Self().Native()); }

    // Scales about `point`: appended, in the coordinates the transform so far
    // produces; prepended, in the coordinates the caller draws in.
    bool ScaleAt(float sx, float sy, Gdiplus::PointF point,
                 Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend) {
        return AboutPoint(point, order, [&] { return ScaleTransform(sx, sy, order); });
    }
    bool RotateAt(float degrees, Gdiplus::PointF point,
                  Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend) {
        return AboutPoint(point, order, [&] { return RotateTransform(degrees, order); });
    }

protected:
    PlusTransforms() = default;
    ~PlusTransforms() = default;

private:
    Derived& Self() { return static_cast<Derived&>(*this); }

    // Appended steps act in the order given, prepended ones in reverse; either
    // way the point is moved to the origin, transformed, and moved back.
    template <typename Step>
    bool AboutPoint(Gdiplus::PointF point, Gdiplus::MatrixOrder order, Step step) {
        const float first = order == Gdiplus::MatrixOrderAppend ? -1.0f : 1.0f;
        return TranslateTransform(first * point.X, first * point.Y, order) && step() &&
               TranslateTransform(-first * point.X, -first * point.Y, order);
    }
};

}  // namespace vorn::plus
