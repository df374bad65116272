#include "skin/windows/item_painter_win.h"

#include <algorithm>

#include "skin/image_painters_win.h"
#include "plus/plus_image_attributes_win.h"
#include "skin/skin_assets.h"
#include "skin/skin_state_win.h"
#include "skin/text_painter_win.h"
#include "skin/windows/frame_geometry.h"

namespace vorn::skin {
namespace {

using Gdiplus::RectF;

RectF ToRectF(const RectRecord& r) {
    return {static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.width),
            static_cast<float>(r.height)};
}

// Attributes that draw an image `level` per cent opaque; none for 100.
class Opacity {
public:
    explicit Opacity(int level) {
        if (level >= kHoverFull) return;
        attributes_.Create();
        attributes_.SetColourMatrix(plus::OpacityMatrix(std::max(0, level) / 100.0f));
    }
    const plus::PlusImageAttributes* get() const {
        return attributes_.Native() ? &attributes_ : nullptr;
    }

private:
    plus::PlusImageAttributes attributes_;
};

void DrawPart(plus::PlusGraphics& target, const plus::PlusImage& image, const RectF& destination,
              const RectF& source, int opacity = kHoverFull) {
    if (opacity <= 0 || image.Native() == nullptr) return;
    const Opacity attributes(opacity);
    target.DrawImageRectRectAttr(image, destination, source, Gdiplus::UnitPixel, attributes.get());
}

// A picture cut in three across: its `caps` left and right columns as they
// are, the middle stretched to fill `destination`'s width.
void DrawThreeSlice(plus::PlusGraphics& target, const plus::PlusImage& image, const RectF& source,
                    float caps, const RectF& destination, int opacity = kHoverFull) {
    const float middle = destination.Width - 2 * caps;
    if (middle < 0) {
        DrawPart(target, image, destination, source, opacity);
        return;
    }
    DrawPart(target, image, {destination.X, destination.Y, caps, destination.Height},
             {source.X, source.Y, caps, source.Height}, opacity);
    DrawPart(target, image, {destination.X + caps, destination.Y, middle, destination.Height},
             {source.X + caps, source.Y, source.Width - 2 * caps, source.Height}, opacity);
    DrawPart(target, image,
             {destination.X + destination.Width - caps, destination.Y, caps, destination.Height},
             {source.X + source.Width - caps, source.Y, caps, source.Height}, opacity);
}

RectF Whole(const plus::PlusImage& image) {
    return {0, 0, static_cast<float>(image.Width()), static_cast<float>(image.Height())};
}

}  // namespace

bool ItemPainter::Ready() const { return skin_.initialised; }

HCURSOR ItemPainter::Cursor(int skinCursor) const {
    const HCURSOR cursor = skin_.skinCursors[static_cast<std::size_t>(skinCursor)].Get();
    return cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
}

void ItemPainter::ForgetText(std::size_t index) {
    if (index < textLayers_.size()) textLayers_[index].Dispose();
}

void ItemPainter::Paint(plus::PlusGraphics& target, const PellumItem& item, std::size_t index,
                        const plus::PlusImage* icon) {
    switch (item.kind) {
        case item_kind::kCaptionArea: PaintCaptionArea(target, item); break;
        case item_kind::kTitle: PaintText(target, item.text, item.rect, index); break;
        case item_kind::kClose:
        case item_kind::kCloseAlt:
        case item_kind::kMaximise:
        case item_kind::kMinimise: PaintCaptionButton(target, item); break;
        case item_kind::kIcon: PaintIcon(target, item, icon); break;
        case item_kind::kLabel: PaintLabel(target, item, index); break;
        case item_kind::kImageButton: PaintImageButton(target, item, index); break;
        case item_kind::kPictureLink: PaintPictureLink(target, item); break;
        default: break;
    }
}

void ItemPainter::PaintText(plus::PlusGraphics& target, const TextStyle& style,
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

void ItemPainter::PaintCaptionArea(plus::PlusGraphics& target, const PellumItem& item) {
    // The band darkens the caption and its gold rule and ornament run just
    // above the caption's lower edge; it is cut to the window's width.
    const plus::PlusImage& band = skin_.skinImages[kSkinCaptionBand];
    if (band.Native() == nullptr) return;
    const float width = std::min(static_cast<float>(item.rect.width), static_cast<float>(band.Width()));
    const float height = static_cast<float>(item.rect.height - 3);
    target.DrawImageRectRectAttr(
        band, {static_cast<float>(item.rect.x), static_cast<float>(item.rect.y), width, height},
        {0, 0, width, static_cast<float>(band.Height())}, Gdiplus::UnitPixel);
}

void ItemPainter::PaintCaptionButton(plus::PlusGraphics& target, const PellumItem& item) {
    const RectF area = ToRectF(item.rect);
    const bool close = item.kind == item_kind::kClose || item.kind == item_kind::kCloseAlt;
    // The face fades in under the pointer; pressed, it shows fully (and the
    // state buttons take their pressed cell).
    const int faceLevel = item.pressed ? kHoverFull : item.hover;
    if (close) {
        const plus::PlusImage& face = skin_.skinImages[kSkinCloseButtonFace];
        DrawPart(target, face, area, Whole(face), faceLevel);
    } else {
        const plus::PlusImage& face = skin_.skinImages[kSkinCaptionButtonFace];
        const int cell = item.pressed ? 2 : 1;
        DrawPart(target, face, area,
                 {static_cast<float>(kCaptionFaceCells.X(cell)), 0,
                  static_cast<float>(kCaptionFaceCells.width),
                  static_cast<float>(kCaptionFaceCells.height)},
                 faceLevel);
    }
    const int cell = item.kind == item_kind::kMinimise ? kStripMinimise
                     : item.kind == item_kind::kMaximise ? kStripMaximise
                                                         : kStripClose;
    const int x = item.rect.x + (item.rect.width - kStripCells.width) / 2;
    const int y = item.rect.y + (item.rect.height - kStripCells.height) / 2 + (item.pressed ? 1 : 0);
    // The glyph is a little subdued until the pointer comes.
    const Opacity glyph(80 + item.hover / 5);
    DrawStripIcon(target, skin_, x, y, kStripCells.width, kStripCells.height, cell, glyph.get());
}

void ItemPainter::PaintIcon(plus::PlusGraphics& target, const PellumItem& item,
                            const plus::PlusImage* icon) {
    const plus::PlusImage& picture =
        icon && icon->Native() ? *icon : skin_.skinImages[kSkinWindowIcon];
    if (picture.Native() == nullptr) return;
    target.DrawImageRectRectAttr(picture, ToRectF(item.rect), Whole(picture), Gdiplus::UnitPixel);
}

void ItemPainter::PaintLabel(plus::PlusGraphics& target, const PellumItem& item,
                             std::size_t index) {
    const RectRecord textRect = LabelTextRect(item.rect, item.leftPart);
    // Under the pointer a soft gold plate rises behind the text.
    const plus::PlusImage& plate = skin_.skinImages[kSkinLinkHoverPlate];
    DrawThreeSlice(target, plate, Whole(plate), 12, ToRectF(textRect), item.hover);
    if (item.leftPart.width > 0) {
        const plus::PlusImage& bullet = skin_.controlImages[kControlLabelBullet];
        if (bullet.Native()) {
            const RectF whole = Whole(bullet);
            const RectF at(static_cast<float>(item.leftPart.x),
                           item.leftPart.y + (item.leftPart.height - whole.Height) / 2, whole.Width,
                           whole.Height);
            DrawPart(target, bullet, at, whole, 70 + 3 * item.hover / 10);
        }
    }
    if (item.state == 4 && item.picture) {
        const RectRecord at = FitCentred(item.leftPart, static_cast<int>(item.picture->Width()),
                                         static_cast<int>(item.picture->Height()));
        DrawPart(target, *item.picture, ToRectF(at), Whole(*item.picture));
    }
    if (!item.visible) return;
    if (item.greyed) {
        TextStyle grey = item.text;
        grey.colour = 0x808080;
        ForgetText(index);
        PaintText(target, grey, textRect, index);
        ForgetText(index);
        return;
    }
    PaintText(target, item.text, textRect, index, item.pressed ? 1 : 0);
}

void ItemPainter::PaintImageButton(plus::PlusGraphics& target, const PellumItem& item,
                                   std::size_t index) {
    const RectF area = ToRectF(item.rect);
    const plus::PlusImage& face = skin_.controlImages[kControlButtonFace];
    const auto cell = [](int n) {
        return RectF(static_cast<float>(kButtonFaceCells.X(n)), 0,
                     static_cast<float>(kButtonFaceCells.width),
                     static_cast<float>(kButtonFaceCells.height));
    };
    const float caps = static_cast<float>(kButtonFaceCap);
    DrawThreeSlice(target, face, cell(1), caps, area);
    DrawThreeSlice(target, face, cell(2), caps, area, item.pressed ? kHoverFull : item.hover);
    const int shift = item.pressed ? 1 : 0;

    int textLeft = item.rect.x;
    if (item.state == 4 && item.picture) {
        RectRecord at = ImageButtonPictureRect(item.rect, static_cast<int>(item.picture->Width()),
                                               static_cast<int>(item.picture->Height()));
        at.y += shift;
        const plus::PlusImage& glow = skin_.skinImages[kSkinButtonGlow];
        if (glow.Native()) {
            const RectF whole = Whole(glow);
            const RectF behind(at.x + (at.width - whole.Width) / 2,
                               at.y + (at.height - whole.Height) / 2, whole.Width, whole.Height);
            DrawPart(target, glow, behind, whole, item.hover);
        }
        DrawPart(target, *item.picture, ToRectF(at), Whole(*item.picture));
        textLeft = at.x + at.width;
    }
    if (!item.visible) return;
    const RectRecord textRect{textLeft, item.rect.y, item.rect.x + item.rect.width - textLeft,
                              item.rect.height};
    PaintText(target, item.text, textRect, index, shift);
}

void ItemPainter::PaintPictureLink(plus::PlusGraphics& target, const PellumItem& item) {
    if (!item.picture || item.picture->Native() == nullptr) return;
    const plus::PlusImage& strip = *item.picture;
    const float height = static_cast<float>(strip.Height());
    const auto drawCell = [&](const StripCells& cells, int frame, int opacity) {
        const RectRecord at = FitCentred(item.rect, cells.cellWidth, static_cast<int>(height));
        const RectF source(static_cast<float>(cells.left + frame * cells.cellWidth), 0,
                           static_cast<float>(cells.cellWidth), height);
        DrawPart(target, strip, ToRectF(at), source, opacity);
    };
    // The normal picture gives way to the hover cells as the pointer comes.
    drawCell(item.normalCells, 0, kHoverFull - item.hover);
    drawCell(item.hoverCells, item.frame % std::max(1, item.hoverCells.count), item.hover);
}

}  // namespace vorn::skin
