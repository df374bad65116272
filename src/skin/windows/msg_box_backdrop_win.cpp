#include "skin/windows/msg_box_backdrop_win.h"

#include <windows.h>

#include <cstdlib>

#include "plus/plus_linear_gradient_brush_win.h"
#include "plus/plus_path_win.h"
#include "plus/plus_pen_win.h"
#include "plus/plus_solid_brush_win.h"
#include "runtime/interfaces/box_request.h"
#include "runtime/win32/handles_win.h"
#include "skin/colour.h"
#include "skin/item_drawing_win.h"
#include "skin/skin_assets.h"
#include "skin/skin_state_win.h"
#include "skin/windows/msg_box_layout.h"

namespace vorn::skin {
namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;

constexpr Colour kWhite = 0xFFFFFF;
constexpr std::uint8_t kLightAreaAlpha = 220;
constexpr plus::Argb kRimGold = 0xFFD9B25F;
constexpr plus::Argb kRimGlow = 0x55F3D58B;

void FillArea(plus::PlusGraphics& target, const RectF& rect, plus::Argb colour) {
    plus::PlusSolidBrush brush;
    if (brush.Create(colour)) target.FillRectangle(brush, rect);
}

void DrawLine(plus::PlusGraphics& target, float y, float width, plus::Argb colour) {
    plus::PlusPen pen;
    if (pen.Create(colour, 1)) target.DrawLine(pen, PointF(0, y), PointF(width, y));
}

int BadgeCell(std::uint32_t icon, bool picture) {
    if (picture) return kBadgeTip;
    switch (icon) {
        case runtime::icon::kStop: return kBadgeStop;
        case runtime::icon::kQuestion: return kBadgeQuestion;
        case runtime::icon::kExclamation: return kBadgeExclamation;
        case runtime::icon::kInformation: return kBadgeInformation;
        default: return 0;
    }
}

}  // namespace

void MsgBoxBackdrop::PaintBackground(plus::PlusGraphics& target, int width, int height,
                                    bool tinted) const {
    const auto w = static_cast<float>(width), h = static_cast<float>(height);
    target.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);

    // The shadow: rings of fading black around the box, a little lower than it.
    const float inset = kMsgBoxInset;
    for (int d = 1; d < kMsgBoxInset; ++d) {
        const double fall = 1.0 - d / static_cast<double>(kMsgBoxInset);
        const auto alpha = static_cast<plus::Argb>(60 * fall * fall);
        const RectF ring(inset - d, inset - d + 1.5f, w - 2 * inset + 1 + 2 * d,
                         h - 2 * inset + 1 + 2 * d);
        StrokeRoundedRect(target, ring, 4.0f + d, alpha << 24, 1.0f);
    }

    const runtime::UniqueRegion clip(CreateRoundRectRgn(kMsgBoxInset, kMsgBoxInset,
                                                        width - kMsgBoxInset + 1,
                                                        height - kMsgBoxInset + 1, 8, 8));
    target.SetClipHrgn(clip.get());

    // Stone. A tinted box shows it faintly over its plain theme colour, so the
    // box stays opaque while its texture calms down.
    FillArea(target, RectF(0, 0, w, h), ToArgb(skin_.themeColour));
    const RectF area(0, 0, w, h);
    const RectF stone(6, 6, w, h);
    const int tint = skin_.isWindows7OrLater ? 20 : 50;
    DrawPart(target, skin_.background, area, stone, tinted ? tint : kFullOpacity);

    // The light area: fading in from the top, then even down to the bar.
    const float middle = static_cast<float>(height / 2 + 10);
    const float barTop = h - kMsgBoxButtonBarHeight;
    plus::PlusLinearGradientBrush fade;
    if (fade.Create(PointF(0, 0), PointF(0, middle), ToArgb(kWhite, 0), ToArgb(kWhite, kLightAreaAlpha),
                    Gdiplus::WrapModeTileFlipXY))
        target.FillRectangle(fade, RectF(0, 0, w, middle));
    FillArea(target, RectF(0, middle, w, std::abs(middle - barTop)), ToArgb(kWhite, kLightAreaAlpha));

    // The button bar: the theme colour at its top edge, lightening upwards,
    // so below the edge it runs from light back towards the theme colour.
    plus::PlusLinearGradientBrush bar;
    if (bar.Create(PointF(0, barTop), PointF(0, 40), ToArgb(skin_.themeColour),
                   ToArgb(Lighten(skin_.themeColour, 3))))
        target.FillRectangle(bar, RectF(0, barTop, w, kMsgBoxButtonBarHeight));
    DrawLine(target, barTop, w, ToArgb(Lighten(skin_.themeColour, 2)));
    DrawLine(target, barTop + 1, w, ToArgb(kWhite));
    target.ResetClip();

    const plus::PlusImage& flourish = skin_.skinImages[kSkinBoxFlourish];
    const RectF whole = Whole(flourish);
    target.DrawImageRectRectAttr(
        flourish, RectF((w - whole.Width) / 2, barTop - whole.Height / 2, whole.Width, whole.Height),
        whole, Gdiplus::UnitPixel);
}

void MsgBoxBackdrop::PaintFocusRim(plus::PlusGraphics& target, int width, int height) const {
    target.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const float inset = kMsgBoxInset + 0.5f;
    const RectF edge(inset, inset, static_cast<float>(width) - 2 * inset,
                     static_cast<float>(height) - 2 * inset);
    StrokeRoundedRect(target, RectF(edge.X + 1.5f, edge.Y + 1.5f, edge.Width - 3, edge.Height - 3),
                      3.0f, kRimGlow, 2.5f);
    StrokeRoundedRect(target, edge, 4.0f, kRimGold, 1.2f);
}

int MsgBoxBackdrop::PaintTitleBadge(plus::PlusGraphics& target, const RectRecord& title,
                                   std::uint32_t icon, bool picture) const {
    const int cell = BadgeCell(icon, picture);
    if (cell == 0) return 0;
    const auto& cells = kBoxBadgeCells;
    const RectF part(static_cast<float>(cells.X(cell)), 0, static_cast<float>(cells.width),
                     static_cast<float>(cells.height));
    const RectF at(static_cast<float>(title.x), title.y + (title.height - cells.height) / 2.0f,
                   part.Width, part.Height);
    target.DrawImageRectRectAttr(skin_.skinImages[kSkinBoxBadges], at, part, Gdiplus::UnitPixel);
    return cells.width + 5;
}

}  // namespace vorn::skin
