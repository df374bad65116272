#include "skin/windows/text_lines_win.h"

#include <algorithm>
#include <cmath>

#include "plus/plus_font_family_win.h"
#include "plus/plus_font_win.h"
#include "plus/plus_image_win.h"
#include "plus/plus_string_format_win.h"
#include "skin/skin_state_win.h"
#include "skin/text_painter_win.h"

namespace vorn::skin {
namespace {

using Gdiplus::RectF;

constexpr float kUnlimited = 8192;

// A graphics to measure on and the style's font.
struct Measurer {
    plus::PlusImage scratch;
    plus::PlusGraphics graphics;
    plus::PlusFontFamily family;
    plus::PlusFont font;
    plus::PlusStringFormat format;
    bool ready = false;

    Measurer(const TextStyle& style, const SkinState& skin) {
        ready = scratch.CreateBitmap(1, 1) && graphics.FromImage(scratch) &&
                family.CreateFromName(skin.uiFontFace) &&
                font.Create(family, PaintedFontSize(style), TextFontStyle(style), Gdiplus::UnitPixel) &&
                format.Create(TextFormatFlags(style));
    }
    RectF Measure(const std::string& text) const {
        return graphics.MeasureString(text, font, RectF(0, 0, kUnlimited, kUnlimited), &format);
    }
    // The pitch of the face's lines, from one full-height glyph.
    float Pitch() const {
        const float pitch = Measure("\xE5\x9B\xBD").Height;  // U+56FD
        return pitch > 0 ? pitch : 0;
    }
};

// Draws one line four times as large and shrinks it into place: GDI+
// versions that fill paths without anti-aliasing (Wine's) still give smooth
// glyphs this way, and on the others it costs a little sharpness only.
void DrawSmoothText(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                    const SkinState& skin) {
    constexpr int kScale = 4;
    plus::PlusImage large;
    if (style.text.empty() || rect.width <= 0 || rect.height <= 0 ||
        !large.CreateBitmap(rect.width * kScale, rect.height * kScale))
        return;
    {
        plus::PlusGraphics graphics;
        graphics.FromImage(large);
        TextStyle scaled = style;
        scaled.size = PaintedFontSize(style) * kScale;
        DrawItemText(graphics, RectRecord{0, 0, rect.width * kScale, rect.height * kScale}, scaled, skin);
    }
    target.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    target.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    target.DrawImageRect(large, RectF(static_cast<float>(rect.x), static_cast<float>(rect.y),
                                      static_cast<float>(rect.width), static_cast<float>(rect.height)));
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0, end = 0;
    while ((end = text.find('\n', start)) != std::string::npos) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

TextExtent MeasureTextLines(const TextStyle& style, const SkinState& skin) {
    if (style.text.empty()) return {};
    const Measurer measurer(style, skin);
    if (!measurer.ready) return {};
    const std::vector<std::string> lines = SplitLines(style.text);
    float width = 0;
    for (const std::string& line : lines)
        if (!line.empty()) width = std::max(width, measurer.Measure(line).Width);
    return TextExtent{static_cast<int>(std::ceil(width)),
                      static_cast<int>(std::ceil(measurer.Pitch() * static_cast<float>(lines.size())))};
}

void DrawTextLines(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                   const SkinState& skin) {
    const std::vector<std::string> lines = SplitLines(style.text);
    if (lines.size() < 2) {
        TextStyle single = style;
        single.text = lines.front();
        DrawSmoothText(target, rect, single, skin);
        return;
    }
    const Measurer measurer(style, skin);
    const float pitch = measurer.ready ? measurer.Pitch() : PaintedFontSize(style) * 1.5f;
    const float block = pitch * static_cast<float>(lines.size());
    float top = static_cast<float>(rect.y);
    if (style.lineAlign == TextAlign::Centre) top += (static_cast<float>(rect.height) - block) / 2;
    if (style.lineAlign == TextAlign::Far) top += static_cast<float>(rect.height) - block;
    TextStyle line = style;
    line.lineAlign = TextAlign::Centre;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        line.text = lines[i];
        // A little taller than the pitch, so no glyph is cut at its rectangle.
        const float centre = top + pitch * (static_cast<float>(i) + 0.5f);
        const int height = static_cast<int>(pitch) + 8;
        DrawSmoothText(target,
                       RectRecord{rect.x, static_cast<int>(centre) - height / 2, rect.width, height},
                       line, skin);
    }
}

}  // namespace vorn::skin
