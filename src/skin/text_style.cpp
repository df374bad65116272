#include "skin/text_style.h"

namespace vorn::skin {
namespace {

// StringFormatFlags and FontStyle values (gdiplusenums.h), so this file
// needs no Windows headers.
constexpr int kDirectionRightToLeft = 0x0001;
constexpr int kDirectionVertical = 0x0002;
constexpr int kMeasureTrailingSpaces = 0x0800;
constexpr int kNoWrap = 0x1000;
constexpr int kLineLimit = 0x2000;

constexpr int kBold = 1;
constexpr int kUnderline = 4;
constexpr int kStrikeout = 8;

}  // namespace

float PaintedFontSize(const TextStyle& style) { return style.size >= 10 ? style.size : 12.0f; }

int TextFormatFlags(const TextStyle& style) {
    return (style.lineLimit ? kLineLimit : kNoWrap) | (style.vertical ? kDirectionVertical : 0) |
           (style.rightToLeft ? kDirectionRightToLeft : 0) | kMeasureTrailingSpaces;
}

int TextFontStyle(const TextStyle& style) {
    return (style.bold ? kBold : 0) | (style.underline ? kUnderline : 0) |
           (style.strikeout ? kStrikeout : 0);
}

}  // namespace vorn::skin
