// An image converted once to a device's format, for fast repeated drawing.
#pragma once

#include "plus/plus_handle_win.h"

namespace vorn::plus {

class PlusGraphics;
class PlusImage;

class PlusCachedBitmap {
public:
    Gdiplus::GpCachedBitmap* Native() const { return cached_.Get(); }
    // `image` converted for drawing on `graphics` (and only there).
    bool Create(const PlusImage& image, const PlusGraphics& graphics);
    bool Delete() { return cached_.Release(); }

private:
    PlusHandle<Gdiplus::GpCachedBitmap, &PlusCalls::DeleteCachedBitmap> cached_;
};

}  // namespace vorn::plus
