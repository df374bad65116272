#include "skin/windows/item_painter_win.h"

#include <algorithm>

#include "skin/frame_painter_win.h"
#include "skin/image_painters_win.h"
#include "skin/item_drawing_win.h"
#include "skin/skin_assets.h"
#include "skin/skin_state_win.h"
#include "skin/text_painter_win.h"
#include "skin/windows/frame_geometry.h"
#include "skin/windows/text_lines_win.h"

namespace vorn::skin {

using Gdiplus::RectF;

namespace {

// Greyed items show their text in this colour.
constexpr Colour kGreyedText = 0x808080;
constexpr int kOptionTextGap = 3;

// The style `item` shows its text in: greyed, or as it is.
const TextStyle& ShownStyle(const SkinItem& item, TextStyle& greyed) {
    if (!item.greyed) return item.style;
    greyed = item.style;
    greyed.colour = kGreyedText;
    return greyed;
}

}  // namespace

ItemPainter::ItemPainter(const SkinState& skin)
    : skin_(skin), look_(ItemLook::Window), editFace_(skin) {}

ItemPainter::ItemPainter(const SkinState& skin, int captionWidth, int captionHeight)
    : skin_(skin), look_(ItemLook::Box), editFace_(skin) {
    const int states[kFaceCount] = {kFrameNormal, kFrameHover, kFramePressed, kFrameFocused};
    for (int face = 0; face < kFaceCount; ++face) {
        if (!faces_[face].CreateBitmap(captionWidth, captionHeight)) continue;
        plus::PlusGraphics graphics;
        graphics.FromImage(faces_[face]);
        DrawFrame(graphics, skin_, captionWidth, captionHeight, states[face]);
    }
}

void ItemPainter::ForgetText(std::size_t index) {
    if (index < textLayers_.size()) textLayers_[index].Dispose();
}

void ItemPainter::Paint(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                        ItemShow show) {
    switch (item.kind) {
        case ItemKind::Close:
        case ItemKind::CloseAlt:
        case ItemKind::Maximise:
        case ItemKind::Minimise: PaintCaptionButton(target, item, show); break;
        case ItemKind::Caption: PaintButton(target, item, index, show); break;
        case ItemKind::Check: PaintCheck(target, item, index, show); break;
        case ItemKind::Option: PaintOption(target, item, index, show); break;
        case ItemKind::Edit: PaintEdit(target, item, show); break;
        case ItemKind::Text: {
            TextStyle greyed;
            PaintText(target, ShownStyle(item, greyed), item.textRect, index);
            break;
        }
        case ItemKind::CaptionArea: PaintCaptionArea(target, item); break;
        case ItemKind::Icon: PaintIcon(target, item); break;
        case ItemKind::Label: PaintLabel(target, item, index, show); break;
        case ItemKind::PictureLink: PaintPictureLink(target, item); break;
        case ItemKind::HostValues: break;
    }
}

void ItemPainter::PaintCaptionArea(plus::PlusGraphics& target, const SkinItem& item) const {
    // The band darkens the caption and its gold rule and ornament run just
    // above the caption's lower edge; it is cut to the window's width.
    const plus::PlusImage& band = skin_.skinImages[kSkinCaptionBand];
    if (band.Native() == nullptr) return;
    const RectRecord& r = item.layoutRect;
    const float width = std::min(static_cast<float>(r.width), static_cast<float>(band.Width()));
    const float height = static_cast<float>(r.height - 3);
    target.DrawImageRectRectAttr(band, {static_cast<float>(r.x), static_cast<float>(r.y), width, height},
                                 {0, 0, width, static_cast<float>(band.Height())}, Gdiplus::UnitPixel);
}

void ItemPainter::PaintCaptionButton(plus::PlusGraphics& target, const SkinItem& item,
                                     ItemShow show) const {
    const RectRecord& r = item.layoutRect;
    const RectF area = ToRectF(r);
    const bool close = item.kind == ItemKind::Close || item.kind == ItemKind::CloseAlt;
    // The face fades in under the pointer; pressed, it shows fully (and the
    // state buttons take their pressed cell).
    const int faceLevel = show.pressed ? kFullOpacity : item.hover.Level();
    if (close) {
        const plus::PlusImage& face = skin_.skinImages[kSkinCloseButtonFace];
        DrawPart(target, face, area, Whole(face), faceLevel);
    } else {
        const plus::PlusImage& face = skin_.skinImages[kSkinCaptionButtonFace];
        const int cell = show.pressed ? 2 : 1;
        DrawPart(target, face, area,
                 {static_cast<float>(kCaptionFaceCells.X(cell)), 0,
                  static_cast<float>(kCaptionFaceCells.width),
                  static_cast<float>(kCaptionFaceCells.height)},
                 faceLevel);
    }
    if (show.focused) PaintHalo(target, r);
    const int cell = item.kind == ItemKind::Minimise   ? kStripMinimise
                     : item.kind == ItemKind::Maximise ? kStripMaximise
                                                       : kStripClose;
    // Pressed, the glyph sinks; the box's moves right with it.
    const bool box = look_ == ItemLook::Box;
    const int x = r.x + (r.width - kStripCells.width) / 2 + (box && show.pressed ? 1 : 0);
    const int y = r.y + (r.height - kStripCells.height) / 2 + (show.pressed ? 1 : 0);
    // A window's glyphs are a little subdued until the pointer comes.
    const Opacity glyph(box ? kFullOpacity : 80 + item.hover.Level() / 5);
    DrawStripIcon(target, skin_, x, y, kStripCells.width, kStripCells.height, cell, glyph.get());
}

void ItemPainter::PaintIcon(plus::PlusGraphics& target, const SkinItem& item) const {
    // The window's own icon when it has one, else the skin's.
    const plus::PlusImage& picture = item.picture && item.picture->Native()
                                         ? *item.picture
                                         : skin_.skinImages[kSkinWindowIcon];
    if (picture.Native() == nullptr) return;
    target.DrawImageRectRectAttr(picture, ToRectF(item.layoutRect), Whole(picture),
                                 Gdiplus::UnitPixel);
}

void ItemPainter::PaintButton(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                              ItemShow show) {
    const RectRecord& r = item.layoutRect;
    const RectF area = ToRectF(r);
    // The lit face fades in over the plain one; pressed, it shows fully.
    const int lit = show.pressed ? kFullOpacity : item.hover.Level();
    if (look_ == ItemLook::Box) {
        const plus::PlusImage& base = faces_[show.focused ? kFocused : kNormal];
        DrawPart(target, base, area, Whole(base));
        const plus::PlusImage& over = faces_[show.pressed ? kPressed : kHover];
        DrawPart(target, over, area, Whole(over), lit);
    } else {
        const plus::PlusImage& face = skin_.controlImages[kControlButtonFace];
        const auto cell = [](int n) {
            return RectF(static_cast<float>(kButtonFaceCells.X(n)), 0,
                         static_cast<float>(kButtonFaceCells.width),
                         static_cast<float>(kButtonFaceCells.height));
        };
        const float caps = static_cast<float>(kButtonFaceCap);
        DrawThreeSlice(target, face, cell(1), caps, area);
        DrawThreeSlice(target, face, cell(2), caps, area, lit);
    }
    if (show.focused) PaintHalo(target, r);
    const int shift = show.pressed ? 1 : 0;

    RectRecord text = item.textRect;
    if (item.state == 4 && item.picture) {
        RectRecord at = ImageButtonPictureRect(r, static_cast<int>(item.picture->Width()),
                                               static_cast<int>(item.picture->Height()));
        at.y += shift;
        PaintGlowBehind(target, at, item.hover.Level());
        DrawPart(target, *item.picture, ToRectF(at), Whole(*item.picture));
        // The caption takes what the picture leaves.
        const int textLeft = at.x + at.width;
        text = {textLeft, r.y, r.x + r.width - textLeft, r.height};
    }
    PaintText(target, item.style, text, index, shift);
}

void ItemPainter::PaintCheck(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                             ItemShow show) {
    const RectRecord& r = item.layoutRect;
    const int cell = item.checked ? kStripCheckOn : kStripCheckOff;
    if (look_ == ItemLook::Box) {
        DrawStripIcon(target, skin_, r.x, r.y, kStripCells.width, kStripCells.height, cell);
        PaintText(target, item.style, item.textRect, index);
        return;
    }
    // A window's box sits in the middle of its line, a warm glow behind it
    // under the pointer; greyed, it is faint.
    const RectRecord box{r.x, r.y + (r.height - kStripCells.height) / 2, kStripCells.width,
                         kStripCells.height};
    if (!item.greyed) PaintGlowBehind(target, box, show.pressed ? kFullOpacity : item.hover.Level());
    const Opacity faint(item.greyed ? 45 : kFullOpacity);
    DrawStripIcon(target, skin_, box.x, box.y, box.width, box.height, cell, faint.get());
    if (show.focused) PaintHalo(target, r);
    TextStyle greyed;
    PaintText(target, ShownStyle(item, greyed), item.textRect, index);
}

void ItemPainter::PaintOption(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                              ItemShow show) {
    const RectRecord& r = item.layoutRect;
    const plus::PlusImage& cells = skin_.controlImages[kControlOptionButton];
    const RectF at(static_cast<float>(r.x),
                   static_cast<float>(r.y + (r.height - kOptionCells.height) / 2),
                   static_cast<float>(kOptionCells.width), static_cast<float>(kOptionCells.height));
    const auto cell = [](int n) {
        return RectF(static_cast<float>(kOptionCells.X(n)), 0, static_cast<float>(kOptionCells.width),
                     static_cast<float>(kOptionCells.height));
    };
    if (item.greyed) {
        DrawPart(target, cells, at, cell(kOptionDisabled));
    } else {
        // Each state's hover cell follows it: the lit one fades in over it.
        const int base = item.checked ? kOptionOn : kOptionOff;
        DrawPart(target, cells, at, cell(base));
        DrawPart(target, cells, at, cell(base + 1), show.pressed ? kFullOpacity : item.hover.Level());
    }
    if (show.focused) PaintHalo(target, r);
    // The button's cell ends at its ring: the text keeps a little off it.
    RectRecord text = item.textRect;
    text.x += kOptionTextGap;
    text.width -= kOptionTextGap;
    TextStyle greyed;
    PaintText(target, ShownStyle(item, greyed), text, index);
}

void ItemPainter::PaintGlowBehind(plus::PlusGraphics& target, const RectRecord& around,
                                  int percent) const {
    const plus::PlusImage& glow = skin_.skinImages[kSkinButtonGlow];
    if (glow.Native() == nullptr) return;
    const RectF whole = Whole(glow);
    const RectF behind(around.x + (around.width - whole.Width) / 2,
                       around.y + (around.height - whole.Height) / 2, whole.Width, whole.Height);
    DrawPart(target, glow, behind, whole, percent);
}

void ItemPainter::PaintLabel(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                             ItemShow show) {
    // Under the pointer a soft gold plate rises behind the text.
    const plus::PlusImage& plate = skin_.skinImages[kSkinLinkHoverPlate];
    DrawThreeSlice(target, plate, Whole(plate), 12, ToRectF(item.textRect), item.hover.Level());
    if (item.leftPart.width > 0) {
        const plus::PlusImage& bullet = skin_.controlImages[kControlLabelBullet];
        if (bullet.Native()) {
            const RectF whole = Whole(bullet);
            const RectF at(static_cast<float>(item.leftPart.x),
                           item.leftPart.y + (item.leftPart.height - whole.Height) / 2, whole.Width,
                           whole.Height);
            DrawPart(target, bullet, at, whole, 70 + 3 * item.hover.Level() / 10);
        }
    }
    if (item.state == 4 && item.picture) {
        const RectRecord at = FitCentred(item.leftPart, static_cast<int>(item.picture->Width()),
                                         static_cast<int>(item.picture->Height()));
        DrawPart(target, *item.picture, ToRectF(at), Whole(*item.picture));
    }
    if (item.greyed) {
        TextStyle grey = item.style;
        grey.colour = 0x808080;
        ForgetText(index);
        PaintText(target, grey, item.textRect, index);
        ForgetText(index);
        return;
    }
    PaintText(target, item.style, item.textRect, index, show.pressed ? 1 : 0);
}

void ItemPainter::PaintPictureLink(plus::PlusGraphics& target, const SkinItem& item) const {
    if (!item.picture || item.picture->Native() == nullptr) return;
    const plus::PlusImage& strip = *item.picture;
    const float height = static_cast<float>(strip.Height());
    const auto drawCell = [&](const StripCells& cells, int frame, int opacity) {
        const RectRecord at = FitCentred(item.layoutRect, cells.cellWidth, static_cast<int>(height));
        const RectF source(static_cast<float>(cells.left + frame * cells.cellWidth), 0,
                           static_cast<float>(cells.cellWidth), height);
        DrawPart(target, strip, ToRectF(at), source, opacity);
    };
    // The normal picture gives way to the hover cells as the pointer comes.
    const int hover = item.hover.Level();
    drawCell(item.normalCells, 0, kFullOpacity - hover);
    drawCell(item.hoverCells, item.frame % std::max(1, item.hoverCells.count), hover);
}

void ItemPainter::PaintHalo(plus::PlusGraphics& target, const RectRecord& around) const {
    // A three-slice ring: both ends as drawn, the middle stretched.
    const plus::PlusImage& halo = skin_.skinImages[kSkinFocusHalo];
    const float cap = 12;
    const float middle = static_cast<float>(halo.Width()) - 2 * cap;
    const float height = static_cast<float>(halo.Height());
    const RectF r(around.x - 3.0f, around.y - 3.0f, around.width + 6.0f, around.height + 6.0f);
    target.DrawImageRectRectAttr(halo, RectF(r.X, r.Y, cap, r.Height), RectF(0, 0, cap, height),
                                 Gdiplus::UnitPixel);
    target.DrawImageRectRectAttr(halo, RectF(r.X + cap, r.Y, r.Width - 2 * cap, r.Height),
                                 RectF(cap, 0, middle, height), Gdiplus::UnitPixel);
    target.DrawImageRectRectAttr(halo, RectF(r.X + r.Width - cap, r.Y, cap, r.Height),
                                 RectF(cap + middle, 0, cap, height), Gdiplus::UnitPixel);
}

void ItemPainter::PaintText(plus::PlusGraphics& target, const TextStyle& style,
                            const RectRecord& rect, std::size_t index, int shift) {
    if (look_ == ItemLook::Window) {
        PaintKeptText(target, style, rect, index, shift);
        return;
    }
    RectRecord lines = rect;
    lines.y += shift;
    DrawTextLines(target, lines, style, skin_);
}

void ItemPainter::PaintKeptText(plus::PlusGraphics& target, const TextStyle& style,
                                const RectRecord& box, std::size_t index, int shift) {
    if (style.text.empty() || box.width <= 0 || box.height <= 0) return;
    // A line taller than its box is laid out off the box by some GDI+
    // builds (the CJK faces' lines are about 1.5 em): such text is laid out
    // in a box a line high, centred on the item's.
    RectRecord rect = box;
    const int lineHeight = static_cast<int>(PaintedFontSize(style) * 1.7f) + 2;
    if (rect.height < lineHeight && style.lineAlign == TextAlign::Centre) {
        rect.y -= (lineHeight - rect.height) / 2;
        rect.height = lineHeight;
    }
    if (textLayers_.size() <= index) textLayers_.resize(index + 1);
    plus::PlusImage& layer = textLayers_[index];
    if (layer.Native() == nullptr || static_cast<int>(layer.Width()) != rect.width ||
        static_cast<int>(layer.Height()) != rect.height) {
        if (!layer.CreateBitmap(rect.width, rect.height)) return;
        plus::PlusGraphics graphics;
        if (!graphics.FromImage(layer)) return;
        DrawItemText(graphics, {0, 0, rect.width, rect.height}, style, skin_);
    }
    target.DrawImageRectRectAttr(layer,
                                 {static_cast<float>(rect.x), static_cast<float>(rect.y + shift),
                                  static_cast<float>(rect.width), static_cast<float>(rect.height)},
                                 Whole(layer), Gdiplus::UnitPixel);
}

}  // namespace vorn::skin
