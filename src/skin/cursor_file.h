// Reading a .cur file held in memory: one cursor image, its size and hot
// spot, and the resource block the system makes a cursor from.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vorn::skin {

struct CursorImage {
    int width = 0;   // as the directory entry gives them (a byte each)
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::span<const std::uint8_t> image;  // the bitmap the entry points at
};

// The one image of a cursor file. None unless the data is a cursor file
// (reserved 0, type 2) with exactly one image whose bytes (a non-empty run at
// the entry's offset) lie wholly inside `file`.
std::optional<CursorImage> ReadCursorFile(std::span<const std::uint8_t> file);

// What CreateIconFromResourceEx takes for a cursor: the hot spot (x in the
// low 16 bits, y in the high 16 bits, little-endian) followed by the image.
std::vector<std::uint8_t> CursorResource(const CursorImage& cursor);

}  // namespace vorn::skin
