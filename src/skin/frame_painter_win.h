// The resizable frame of button faces and box backgrounds, cut from the state
// cells of the skin's frame strip (control image 0, see kFrameCells).
#pragma once

#include "plus/plus_graphics_win.h"

namespace vorn::skin {

struct SkinState;

// A width x height frame at (0, 0) in the look of `state` (kFrameNormal ...).
// Taller than a cell (28): nine pieces, corners as they are, edges and centre
// stretched, in the target's interpolation mode. Up to 28: three pieces of
// the full cell height, left, stretched middle and right, nearest-neighbour;
// only the button states 2 to 4 pick their cell there, any other state is
// drawn as the normal cell 1.
void DrawFrame(plus::PlusGraphics& target, const SkinState& skin, int width, int height,
               int state);

}  // namespace vorn::skin
