// The one text painter of every skinned item: text drawn as filled glyph
// outlines, rasterised in a bitmap of the item's size, optionally with a soft
// halo. Empty text draws nothing; so does a face GDI+ cannot find.
#pragma once

#include "skin/colour.h"
#include "plus/plus_graphics_win.h"
#include "skin/rect_record.h"
#include "skin/text_style.h"

namespace vorn::skin {

struct SkinState;

// DrawGlowText with the skin's textContrastColour as the halo when the style
// glows, else DrawPathText.
void DrawItemText(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                  const SkinState& skin);

// The text in the skin's face at alpha 230: slightly see-through, so the
// background shows faintly in the glyphs.
void DrawPathText(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                  const SkinState& skin);

// Opaque text over a blurred copy of its glyphs in `haloColour`: the glyphs
// shrunk to a seventh of the rectangle and stretched back. A rectangle under
// 7 pixels in either direction has no halo, only the text.
void DrawGlowText(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                  Colour haloColour, const SkinState& skin);

}  // namespace vorn::skin
