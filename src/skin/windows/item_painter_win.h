// How each kind of item of a skinned window looks, drawn with the skin's
// pictures: the caption band, the title, the caption buttons with their
// hover faces, the icon, bulleted link labels with a hover plate, the
// parchment image button and the picture link. Texts are rasterised once
// per item and kept until the item's text changes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_win.h"
#include "skin/windows/pellum_item_win.h"

namespace vorn::skin {

struct SkinState;

class ItemPainter {
public:
    explicit ItemPainter(const SkinState& skin) : skin_(skin) {}

    // The skin is initialised: its pictures and cursors can be drawn and set.
    bool Ready() const;
    HCURSOR Cursor(int skinCursor) const;

    // Draws `item` (number `index` of its window) in client coordinates.
    // `icon` is the window's icon for the icon item (none: the skin's).
    void Paint(plus::PlusGraphics& target, const PellumItem& item, std::size_t index,
               const plus::PlusImage* icon);

    // The kept text picture of an item is made again at its next paint.
    void ForgetText(std::size_t index);
    void ForgetAll() { textLayers_.clear(); }

private:
    void PaintCaptionArea(plus::PlusGraphics& target, const PellumItem& item);
    void PaintCaptionButton(plus::PlusGraphics& target, const PellumItem& item);
    void PaintIcon(plus::PlusGraphics& target, const PellumItem& item, const plus::PlusImage* icon);
    void PaintLabel(plus::PlusGraphics& target, const PellumItem& item, std::size_t index);
    void PaintImageButton(plus::PlusGraphics& target, const PellumItem& item, std::size_t index);
    void PaintPictureLink(plus::PlusGraphics& target, const PellumItem& item);
    // The item's text drawn into `rect` (client coordinates), from the kept
    // picture of it.
    void PaintText(plus::PlusGraphics& target, const TextStyle& style, const RectRecord& rect,
                   std::size_t index, int shift = 0);

    const SkinState& skin_;
    std::vector<plus::PlusImage> textLayers_;
};

}  // namespace vorn::skin
