// Two small image routines of the skinned windows: keeping a copy of what was
// drawn, and drawing one glyph of the skin's strip of small icons.
#pragma once

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_attributes_win.h"
#include "plus/plus_image_win.h"

namespace vorn::skin {

struct SkinState;

// Replaces `snapshot` (disposing what it held) with a new width x height ARGB
// copy of the top-left width x height of `source`. False, and an empty
// snapshot, when the bitmap cannot be made.
bool SnapshotImage(const plus::PlusImage& source, plus::PlusImage& snapshot, int width,
                   int height);

// Cell `cell` (from 1; see kStripCells) of the skin's strip icons (control
// image 1) stretched into (x, y, width, height), through `attributes` (none:
// drawn as it is).
void DrawStripIcon(plus::PlusGraphics& target, const SkinState& skin, int x, int y, int width,
                   int height, int cell, const plus::PlusImageAttributes* attributes = nullptr);

}  // namespace vorn::skin
