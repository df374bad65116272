// Pictures built inside the tests, so what they hold is known exactly.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vorn::runtime::testing {

using Bytes = std::vector<std::uint8_t>;

// An RGBA PNG whose image data is one stored (uncompressed) deflate block;
// `rgbaRows` holds width * height * 4 bytes, top row first.
Bytes BuildRgbaPng(std::uint32_t width, std::uint32_t height, const Bytes& rgbaRows);

// An opaque PNG whose pixel (x, y) has the colour colourAt(x, y) (0xRRGGBB).
Bytes BuildOpaquePng(std::uint32_t width, std::uint32_t height,
                     const std::function<std::uint32_t(int x, int y)>& colourAt);

}  // namespace vorn::runtime::testing
