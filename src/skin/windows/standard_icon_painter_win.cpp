#include "skin/windows/standard_icon_painter_win.h"

#include <algorithm>

#include "plus/plus_font_family_win.h"
#include "plus/plus_linear_gradient_brush_win.h"
#include "plus/plus_path_win.h"
#include "plus/plus_pen_win.h"
#include "plus/plus_solid_brush_win.h"
#include "plus/plus_string_format_win.h"
#include "runtime/interfaces/box_request.h"
#include "skin/skin_state_win.h"

namespace vorn::skin {
namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;

struct IconLook {
    plus::Argb light, dark;  // the body's gradient, top to bottom
    const char* glyph;
    plus::Argb glyphColour;
    bool triangle;
};

constexpr plus::Argb kGoldLight = 0xFFF3D58B;
constexpr plus::Argb kGoldDark = 0xFF8A6424;

namespace icon = runtime::icon;

IconLook LookOf(std::uint32_t code) {
    switch (code) {
        case icon::kStop: return {0xFFE8604E, 0xFF8C1B12, "\xC3\x97", 0xFFFFFFFF, false};  // U+00D7
        case icon::kQuestion: return {0xFF6AA8EA, 0xFF1C4C94, "?", 0xFFFFFFFF, false};
        case icon::kExclamation: return {0xFFF8D267, 0xFFC27C10, "!", 0xFF3A2708, true};
        default: return {0xFF6AA8EA, 0xFF1C4C94, "i", 0xFFFFFFFF, false};
    }
}

void AddBody(plus::PlusPath& path, const RectF& box, bool triangle) {
    if (!triangle) {
        path.AddEllipse(box);
        return;
    }
    // A triangle with softly cut corners.
    const float cut = box.Width * 0.08f;
    const PointF top(box.X + box.Width / 2, box.Y + box.Height * 0.04f);
    const PointF right(box.X + box.Width, box.Y + box.Height * 0.92f);
    const PointF left(box.X, box.Y + box.Height * 0.92f);
    path.AddLine({top.X - cut * 0.6f, top.Y + cut}, {left.X + cut * 0.2f, left.Y - cut});
    path.AddLine({left.X + cut * 0.6f, left.Y}, {right.X - cut * 0.6f, right.Y});
    path.AddLine({right.X - cut * 0.2f, right.Y - cut}, {top.X + cut * 0.6f, top.Y + cut});
    path.CloseFigure();
}

void FillPath(plus::PlusGraphics& target, const plus::PlusPath& path, plus::Argb colour) {
    plus::PlusSolidBrush brush;
    if (brush.Create(colour)) target.FillPath(brush, path);
}

void DrawGlyph(plus::PlusGraphics& target, const IconLook& look, const RectF& box,
               const SkinState& skin) {
    plus::PlusFontFamily family;
    plus::PlusStringFormat format;
    family.CreateFromName(skin.uiFontFace);
    format.Create(0, 0);
    format.SetAlign(Gdiplus::StringAlignmentCenter);
    format.SetLineAlign(Gdiplus::StringAlignmentCenter);
    const float size = box.Height * (look.triangle ? 0.56f : 0.68f);
    // The exclamation mark sits low in its triangle.
    const float top = box.Y + (look.triangle ? box.Height * 0.14f : 0.0f);
    const float height = box.Height * (look.triangle ? 0.86f : 1.0f);
    const auto fillGlyph = [&](float dx, float dy, plus::Argb colour) {
        plus::PlusPath glyph;
        if (glyph.Create() && glyph.AddString(look.glyph, family, Gdiplus::FontStyleBold, size,
                                              RectF(box.X + dx, top + dy, box.Width, height), format))
            FillPath(target, glyph, colour);
    };
    // A faint shadow lifts the glyph off the body.
    fillGlyph(0.8f, 1.2f, 0x60000000);
    fillGlyph(0, 0, look.glyphColour);
}

}  // namespace

bool IsStandardIcon(std::uint32_t code) {
    return code == icon::kStop || code == icon::kQuestion || code == icon::kExclamation ||
           code == icon::kInformation;
}

void DrawStandardIcon(plus::PlusGraphics& target, std::uint32_t code, const RectRecord& square,
                      const SkinState& skin) {
    if (!IsStandardIcon(code)) return;
    const IconLook look = LookOf(code);
    const float side = static_cast<float>(std::min({square.width, square.height, 48}));
    const RectF box(square.x + (square.width - side) / 2, square.y + (square.height - side) / 2,
                    side, side);
    target.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);

    plus::PlusPath shadow, rim, body;
    shadow.Create();
    AddBody(shadow, RectF(box.X + 1, box.Y + 2.5f, box.Width, box.Height), look.triangle);
    FillPath(target, shadow, 0x50000000);

    // The gold rim is the body's shape; the body sits inside it.
    rim.Create();
    AddBody(rim, box, look.triangle);
    plus::PlusLinearGradientBrush gold;
    if (gold.Create(PointF(box.X, box.Y), PointF(box.X, box.Y + box.Height), kGoldLight, kGoldDark))
        target.FillPath(gold, rim);

    const float inset = side * (look.triangle ? 0.09f : 0.07f);
    const RectF inner(box.X + inset, box.Y + inset * (look.triangle ? 1.4f : 1.0f),
                      box.Width - 2 * inset, box.Height - 2 * inset);
    body.Create();
    AddBody(body, inner, look.triangle);
    plus::PlusLinearGradientBrush fill;
    if (fill.Create(PointF(inner.X, inner.Y), PointF(inner.X, inner.Y + inner.Height), look.light,
                    look.dark))
        target.FillPath(fill, body);

    if (!look.triangle) {
        // Gloss on the upper half of the disc.
        plus::PlusPath gloss;
        gloss.Create();
        gloss.AddEllipse(RectF(inner.X + inner.Width * 0.16f, inner.Y + inner.Height * 0.05f,
                               inner.Width * 0.68f, inner.Height * 0.45f));
        plus::PlusLinearGradientBrush shine;
        if (shine.Create(PointF(0, inner.Y), PointF(0, inner.Y + inner.Height * 0.5f), 0x70FFFFFF,
                         0x00FFFFFF))
            target.FillPath(shine, gloss);
    }
    DrawGlyph(target, look, inner, skin);
}

}  // namespace vorn::skin
