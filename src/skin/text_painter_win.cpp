#include "skin/text_painter_win.h"

#include "plus/plus_font_family_win.h"
#include "plus/plus_image_win.h"
#include "plus/plus_path_win.h"
#include "plus/plus_solid_brush_win.h"
#include "plus/plus_string_format_win.h"
#include "skin/skin_state_win.h"

namespace vorn::skin {
namespace {

using Gdiplus::RectF;

constexpr std::uint8_t kPathTextAlpha = 230;

// The outlines of a style's text laid out in a width x height box at (0, 0).
// The family and format must live as long as the path is used.
struct TextOutline {
    plus::PlusFontFamily family;
    plus::PlusStringFormat format;
    plus::PlusPath path;

    bool Build(const TextStyle& style, const SkinState& skin, int width, int height) {
        family.CreateFromName(skin.uiFontFace);
        format.Create(0, 0);
        format.SetLineAlign(static_cast<Gdiplus::StringAlignment>(style.lineAlign));
        format.SetAlign(static_cast<Gdiplus::StringAlignment>(style.align));
        format.SetFlags(TextFormatFlags(style));
        return path.Create(Gdiplus::FillModeAlternate) &&
               path.AddString(style.text, family, TextFontStyle(style), PaintedFontSize(style),
                              RectF(0, 0, static_cast<float>(width), static_cast<float>(height)),
                              format);
    }
};

// Smooth outlines; colours written as they are, images filtered well.
void SetUpForText(plus::PlusGraphics& graphics) {
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
    graphics.SetCompositingQuality(Gdiplus::CompositingQualityHighSpeed);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
}

void Fill(plus::PlusGraphics& graphics, const plus::PlusPath& path, ArgbColour colour) {
    plus::PlusSolidBrush brush;
    if (brush.Create(colour)) graphics.FillPath(brush, path);
}

void DrawAt(plus::PlusGraphics& target, const plus::PlusImage& text, const RectRecord& rect) {
    const auto width = static_cast<float>(rect.width), height = static_cast<float>(rect.height);
    target.DrawImageRectRectAttr(
        text, RectF(static_cast<float>(rect.x), static_cast<float>(rect.y), width, height),
        RectF(0, 0, width, height), Gdiplus::UnitPixel);
}

// The text's outline and a transparent bitmap of the rectangle's size to fill
// it in; false (draw nothing) for empty text or what cannot be made.
bool PrepareText(const TextStyle& style, const SkinState& skin, const RectRecord& rect,
                 TextOutline& outline, plus::PlusImage& text) {
    return !style.text.empty() && outline.Build(style, skin, rect.width, rect.height) &&
           text.CreateBitmap(rect.width, rect.height);
}

}  // namespace

void DrawItemText(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                  const SkinState& skin) {
    if (style.glow)
        DrawGlowText(target, rect, style, skin.textContrastColour, skin);
    else
        DrawPathText(target, rect, style, skin);
}

void DrawPathText(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                  const SkinState& skin) {
    TextOutline outline;
    plus::PlusImage text;
    if (!PrepareText(style, skin, rect, outline, text)) return;
    {
        plus::PlusGraphics graphics;
        graphics.FromImage(text);
        SetUpForText(graphics);
        Fill(graphics, outline.path, ToArgb(style.colour, kPathTextAlpha));
    }
    DrawAt(target, text, rect);
}

void DrawGlowText(plus::PlusGraphics& target, const RectRecord& rect, const TextStyle& style,
                  Colour haloColour, const SkinState& skin) {
    TextOutline outline;
    plus::PlusImage text;
    if (!PrepareText(style, skin, rect, outline, text)) return;
    plus::PlusGraphics graphics;
    graphics.FromImage(text);
    SetUpForText(graphics);
    Fill(graphics, outline.path, ToArgb(haloColour));

    // Shrinking the glyphs to a seventh and stretching them back blurs them
    // into the halo. Too small a rectangle has no halo bitmap: the halo
    // glyphs are then simply covered by the text.
    plus::PlusImage halo;
    if (halo.CreateBitmap(rect.width / 7, rect.height / 7)) {
        {
            plus::PlusGraphics small;
            small.FromImage(halo);
            small.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
            small.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
            small.DrawImageRectI(text, Gdiplus::Rect(0, 0, rect.width / 7, rect.height / 7));
        }
        graphics.DrawImageRectI(halo, Gdiplus::Rect(0, 0, rect.width, rect.height));
    }
    Fill(graphics, outline.path, ToArgb(style.colour));
    graphics.Delete();
    DrawAt(target, text, rect);
}

}  // namespace vorn::skin
