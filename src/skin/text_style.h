// How an item's text looks: what the text painters read from an item's style.
#pragma once

#include <string>

#include "skin/colour.h"

namespace vorn::skin {

// The numbers of GDI+'s StringAlignment.
enum class TextAlign { Near = 0, Centre = 1, Far = 2 };

struct TextStyle {
    std::string text;  // UTF-8
    Colour colour = 0;
    float size = 0;  // em size in world units; below 10 the painters use 12
    bool glow = false;
    bool underline = false;
    bool strikeout = false;
    bool bold = false;
    bool lineLimit = false;  // only whole lines; else one unwrapped line per text line
    bool vertical = false;
    bool rightToLeft = false;
    TextAlign align = TextAlign::Near;
    TextAlign lineAlign = TextAlign::Near;  // in the vertical direction
};

// The em size the painters draw `style` at: sizes below 10 are too small to
// read in the skin's faces and are drawn at 12.
float PaintedFontSize(const TextStyle& style);

// The GDI+ StringFormatFlags for `style`: line-limit or no-wrap, vertical,
// right-to-left, and trailing spaces always measured.
int TextFormatFlags(const TextStyle& style);

// The GDI+ FontStyle bits for `style`: bold, underline, strikeout.
int TextFontStyle(const TextStyle& style);

}  // namespace vorn::skin
