#include "plus/plus_path_win.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "runtime/base/utf_win.h"
#include "plus/plus_font_family_win.h"
#include "plus/plus_string_format_win.h"

namespace vorn::plus {

bool PlusPath::Create(Gdiplus::FillMode fillMode) {
    return path_.Create<&PlusCalls::CreatePath>(fillMode);
}

bool PlusPath::AddLine(Gdiplus::PointF from, Gdiplus::PointF to) {
    return path_.Call<&PlusCalls::AddPathLine>(from.X, from.Y, to.X, to.Y);
}

bool PlusPath::AddArc(const Gdiplus::RectF& box, float startAngle, float sweepAngle) {
    return path_.Call<&PlusCalls::AddPathArc>(box.X, box.Y, box.Width, box.Height, startAngle,
                                              sweepAngle);
}

bool PlusPath::AddRectangle(const Gdiplus::RectF& rect) {
    return path_.Call<&PlusCalls::AddPathRectangle>(rect.X, rect.Y, rect.Width, rect.Height);
}

bool PlusPath::AddEllipse(const Gdiplus::RectF& box) {
    return path_.Call<&PlusCalls::AddPathEllipse>(box.X, box.Y, box.Width, box.Height);
}

bool PlusPath::AddRoundRectangle(const Gdiplus::RectF& rect, int roundness) {
    const int percent = std::clamp(roundness, 1, 100);
    const float arcWidth = std::trunc(rect.Width * percent / 100.0f);
    const float arcHeight = std::trunc(rect.Height * percent / 100.0f);
    const float right = rect.X + rect.Width - arcWidth;
    const float bottom = rect.Y + rect.Height - arcHeight;
    // Clockwise from the top-right corner. An arc too small to add (a corner
    // of a tiny box) leaves that corner square; only the close decides.
    AddArc({right, rect.Y, arcWidth, arcHeight}, 270, 90);
    AddArc({right, bottom, arcWidth, arcHeight}, 0, 90);
    AddArc({rect.X, bottom, arcWidth, arcHeight}, 90, 90);
    AddArc({rect.X, rect.Y, arcWidth, arcHeight}, 180, 90);
    return CloseFigure();
}

bool PlusPath::AddString(std::string_view text, const PlusFontFamily& family, int style,
                         float emSize, const Gdiplus::RectF& layout,
                         const PlusStringFormat& format) {
    if (family.Native() == nullptr || format.Native() == nullptr) return false;
    const std::wstring wide = runtime::Widen(text);
    return path_.Call<&PlusCalls::AddPathString>(wide.c_str(), static_cast<INT>(wide.size()),
                                                 family.Native(), style, emSize, &layout,
                                                 format.Native());
}

bool PlusPath::StartFigure() { return path_.Call<&PlusCalls::StartPathFigure>(); }

bool PlusPath::CloseFigure() { return path_.Call<&PlusCalls::ClosePathFigure>(); }

int PlusPath::PointCount() const { return path_.Read<&PlusCalls::GetPointCount, INT>(); }

Gdiplus::RectF PlusPath::Bounds() const {
    Gdiplus::RectF bounds;
    if (!path_.Call<&PlusCalls::GetPathWorldBounds>(&bounds, nullptr, nullptr)) return {};
    return bounds;
}

bool PlusPath::IsVisible(Gdiplus::PointF point) const {
    return path_.Read<&PlusCalls::IsVisiblePathPoint, BOOL>(point.X, point.Y, nullptr) != FALSE;
}

}  // namespace vorn::plus
