// Pictures carried as bytes made into the skin's 32-bit bitmaps: whatever
// GDI+ decodes from a stream, and through OLE the bitmaps and icons it does
// not, optionally stretched to a given size.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "plus/plus_image_win.h"

namespace vorn::skin {

// The picture in `bytes` as a new 32-bit ARGB bitmap, stretched to `width`
// and `height` where they are given (else the picture's own). Empty when the
// bytes are no picture GDI+ or OLE can read.
plus::PlusImage LoadScaledBitmap(std::span<const std::uint8_t> bytes,
                                 std::optional<int> width = std::nullopt,
                                 std::optional<int> height = std::nullopt);

// The bitmap or icon OleLoadPicture makes of `bytes`, as a GDI+ image; empty
// for anything else (metafiles too) or unreadable bytes. LoadScaledBitmap's
// way for what GDI+ cannot read from a stream.
plus::PlusImage LoadOlePicture(std::span<const std::uint8_t> bytes);

}  // namespace vorn::skin
