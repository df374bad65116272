#include "skin/colour.h"

namespace vorn::skin {
namespace {

constexpr std::uint32_t Channel(std::uint32_t value, int shift) { return (value >> shift) & 0xFF; }

}  // namespace

ArgbColour ToArgb(Colour colour, std::uint8_t alpha) {
    return (std::uint32_t{alpha} << 24) | (Channel(colour, 0) << 16) | (Channel(colour, 8) << 8) |
           Channel(colour, 16);
}

ColourAndAlpha FromArgb(ArgbColour argb) {
    const Colour colour = (Channel(argb, 0) << 16) | (Channel(argb, 8) << 8) | Channel(argb, 16);
    return {colour, static_cast<std::uint8_t>(Channel(argb, 24))};
}

Colour ContrastTextColour(Colour colour) {
    const std::uint32_t sum = Channel(colour, 0) + Channel(colour, 8) + Channel(colour, 16);
    return sum < 383 ? 0xFFFFFFu : 0u;
}

Colour InvertColour(Colour colour) { return (colour ^ 0xFFFFFFu) & 0xFFFFFFu; }

Colour Lighten(Colour colour, int steps) {
    std::uint32_t red = Channel(colour, 0), green = Channel(colour, 8), blue = Channel(colour, 16);
    for (int step = 0; step < steps; ++step) {
        red = (red + 255) >> 1;
        green = (green + 255) >> 1;
        blue = (blue + 255) >> 1;
    }
    return red | (green << 8) | (blue << 16);
}

}  // namespace vorn::skin
