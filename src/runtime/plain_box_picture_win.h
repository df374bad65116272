// The picture a caller hands to the plain box, reduced once to the icon's size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "runtime/picture_win.h"

namespace vorn::runtime {

// Resamples premultiplied 32-bit pixels (rows top-down) to another size by
// averaging the area each target pixel covers, so a large picture shrinks
// without jagged edges.
std::vector<std::uint32_t> ResamplePixels(std::span<const std::uint32_t> pixels, SIZE from,
                                          SIZE to);

// A `side` x `side` premultiplied DIB section holding `source` scaled to fit
// and centred, transparent around it. A bitmap without any alpha is taken as
// opaque. Empty when `source` is not a bitmap.
UniqueBitmap MakeIconPicture(HBITMAP source, int side);

}  // namespace vorn::runtime
