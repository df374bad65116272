// What the skin derives from its theme picture: the theme colour, and the
// background every skinned window and box paints itself from.
#pragma once

#include "skin/colour.h"
#include "plus/plus_image_win.h"

namespace vorn::skin {

// The mean of the picture's pixels, each channel on its own, alpha left out;
// 0 for an empty picture. Counted pixel by pixel rather than by drawing the
// picture into one pixel: GDI+ on Windows filters such a draw to about the
// mean, Wine's GDI+ just picks one of the pixels.
Colour AverageColour(const plus::PlusImage& picture);

// A width x height ARGB picture in `themeColour` with `theme` at its top left,
// the theme's right and bottom 50 pixels fading into the colour: a window of
// any size up to width x height can take its background from it without a
// seam. Empty when the bitmap cannot be made.
plus::PlusImage ComposeBackground(const plus::PlusImage& theme, Colour themeColour, int width,
                                  int height);

}  // namespace vorn::skin
