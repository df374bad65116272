// Texts of several lines, measured and drawn one line at a time: some GDI+
// versions (Wine's) lay out only part of the lines after the first when one
// path or one measurement holds several, and count an empty line shorter
// than a full one. Line by line, every line has the same pitch, so what is
// measured is what is drawn.
#pragma once

#include <string>
#include <vector>

#include "plus/plus_graphics_win.h"
#include "skin/rect_record.h"
#include "skin/text_style.h"

namespace vorn::skin {

struct SkinState;

// The lines of `text`, split at LF (a CR before it is dropped).
std::vector<std::string> SplitLines(const std::string& text);

struct TextExtent {
    int width = 0;   // the widest line
    int height = 0;  // every line at the pitch
};

// The size `style`'s text takes in the skin's face, whole pixels rounded up.
TextExtent MeasureTextLines(const TextStyle& style, const SkinState& skin);

// The text into `rect` one line at a time: each line aligned as the style
// says, the block of lines placed by the style's line alignment. Each line
// is drawn four times as large and shrunk into place, so its glyphs are
// smooth also where GDI+ fills paths without anti-aliasing (Wine).
void DrawTextLines(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                   const SkinState& skin);

}  // namespace vorn::skin
