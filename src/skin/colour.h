// The skin's colour rules: the two colour layouts it converts between, the
// text colour that reads on a theme colour, and the lighter shades the boxes
// draw their button bar with.
#pragma once

#include <cstdint>

namespace vorn::skin {

// 0x00BBGGRR, the layout of a Windows COLORREF.
using Colour = std::uint32_t;
// 0xAARRGGBB, the layout GDI+ draws with.
using ArgbColour = std::uint32_t;

inline constexpr std::uint8_t kOpaque = 255;

// `colour` in GDI+ order with `alpha`; without an alpha, opaque.
ArgbColour ToArgb(Colour colour, std::uint8_t alpha = kOpaque);

struct ColourAndAlpha {
    Colour colour = 0;
    std::uint8_t alpha = 0;
};
ColourAndAlpha FromArgb(ArgbColour argb);

// White text on a dark colour, black on a light one: the three channels of
// `colour` summed against the middle of their range (383 of 765).
Colour ContrastTextColour(Colour colour);

// Every channel inverted; the top byte stays 0.
Colour InvertColour(Colour colour);

// `steps` times in a row, each channel half-way towards 255 (integer mean).
Colour Lighten(Colour colour, int steps = 2);

}  // namespace vorn::skin
