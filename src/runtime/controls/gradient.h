// The labels' vertical three-colour gradient.
#pragma once

#include "runtime/interfaces/layout.h"

namespace vorn::runtime {

// Colour of pixel row `row` (0 = top) of a gradient `height` rows tall: the
// first colour on the top row, the second at mid-height, the third on the
// bottom row, each channel interpolated linearly and rounded in between.
Rgb GradientColourAt(const Rgb (&colours)[3], int row, int height);

}  // namespace vorn::runtime
