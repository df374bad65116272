#include "plus/plus_region_win.h"

#include "plus/plus_path_win.h"

namespace vorn::plus {

bool PlusRegion::CreateFromRect(const Gdiplus::RectF& rect) {
    return region_.Create<&PlusCalls::CreateRegionRect>(&rect);
}

bool PlusRegion::CreateFromPath(const PlusPath& path) {
    return region_.CreateFrom<&PlusCalls::CreateRegionPath>(path.Native());
}

bool PlusRegion::CreateFromHrgn(HRGN region) {
    return region_.CreateFrom<&PlusCalls::CreateRegionHrgn>(region);
}

bool PlusRegion::CombineRect(const Gdiplus::RectF& rect, Gdiplus::CombineMode mode) {
    return region_.Call<&PlusCalls::CombineRegionRect>(&rect, mode);
}

bool PlusRegion::CombinePath(const PlusPath& path, Gdiplus::CombineMode mode) {
    return path.Native() != nullptr &&
           region_.Call<&PlusCalls::CombineRegionPath>(path.Native(), mode);
}

bool PlusRegion::IsVisible(Gdiplus::PointF point) const {
    return region_.Read<&PlusCalls::IsVisibleRegionPoint, BOOL>(point.X, point.Y, nullptr) != FALSE;
}

}  // namespace vorn::plus
