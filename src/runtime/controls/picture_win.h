// Pictures held in memory (PNG, JPEG) decoded into GDI bitmaps.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "runtime/win32/handles_win.h"

namespace vorn::runtime {

// A 32-bit top-down DIB section with premultiplied alpha (opaque for JPEG),
// ready for BitBlt or AlphaBlend. Empty when the bytes cannot be decoded.
UniqueBitmap DecodePicture(std::span<const std::uint8_t> bytes);

// An uninitialised 32-bit top-down DIB section; `bits` receives its pixels.
UniqueBitmap CreateTopDownDib(LONG width, LONG height, void** bits);

// Width and height of a bitmap; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace vorn::runtime
