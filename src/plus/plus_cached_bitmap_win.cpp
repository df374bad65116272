#include "plus/plus_cached_bitmap_win.h"

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_win.h"

namespace vorn::plus {

bool PlusCachedBitmap::Create(const PlusImage& image, const PlusGraphics& graphics) {
    if (graphics.Native() == nullptr) {
        cached_ = {};
        return false;
    }
    return cached_.CreateFrom<&PlusCalls::CreateCachedBitmap>(image.NativeBitmap(),
                                                              graphics.Native());
}

}  // namespace vorn::plus
