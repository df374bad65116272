// A region: an area made of rectangles, paths or a GDI region, for clipping
// and hit tests.
#pragma once

#include "plus/plus_handle_win.h"

namespace vorn::plus {

class PlusPath;

class PlusRegion {
public:
    Gdiplus::GpRegion* Native() const { return region_.Get(); }
    bool CreateFromRect(const Gdiplus::RectF& rect);
    bool CreateFromPath(const PlusPath& path);
    // A copy of `region`; the caller keeps and deletes the GDI region.
    bool CreateFromHrgn(HRGN region);
    bool Delete() { return region_.Release(); }

    bool CombineRect(const Gdiplus::RectF& rect, Gdiplus::CombineMode mode);
    bool CombinePath(const PlusPath& path, Gdiplus::CombineMode mode);
    bool IsVisible(Gdiplus::PointF point) const;

private:
    PlusHandle<Gdiplus::GpRegion, &PlusCalls::DeleteRegion> region_;
};

}  // namespace vorn::plus
