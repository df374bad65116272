// How each kind of item looks: one painter per kind, shared by the message
// box and the skinned windows. The look the painter is made for decides what
// the two draw differently: the box's buttons wear framed faces made at its
// caption size and a halo while they have the focus, and its texts are drawn
// line by line; a window's buttons are parchment and may carry a picture,
// its texts are kept as pictures until they change, and its caption glyphs
// are subdued until the pointer comes.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_win.h"
#include "skin/windows/edit_text_face_win.h"
#include "skin/windows/frame_buffer_win.h"
#include "skin/windows/skin_item.h"

namespace vorn::skin {

struct SkinState;

enum class ItemLook { Box, Window };

// How an item shows at the moment it is drawn.
struct ItemShow {
    bool focused = false;  // wears the focus halo; an edit item shows its selection
    bool pressed = false;  // held down under the pointer
};

class ItemPainter {
public:
    // A skinned window's painter.
    explicit ItemPainter(const SkinState& skin);
    // The message box's painter; its caption buttons are all
    // captionWidth x captionHeight.
    ItemPainter(const SkinState& skin, int captionWidth, int captionHeight);

    // Draws `item` (number `index` of its window, from 0) in client
    // coordinates. Kinds without a painter draw nothing.
    void Paint(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
               ItemShow show = {});

    // The kept text picture of an item is made again at its next paint.
    void ForgetText(std::size_t index);
    void ForgetAll() { textLayers_.clear(); }

    // The face edit items are drawn in, for measuring where their caret goes.
    EditTextFace& EditFace() { return editFace_; }

private:
    void PaintCaptionArea(plus::PlusGraphics& target, const SkinItem& item) const;
    void PaintCaptionButton(plus::PlusGraphics& target, const SkinItem& item, ItemShow show) const;
    void PaintIcon(plus::PlusGraphics& target, const SkinItem& item) const;
    void PaintButton(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                     ItemShow show);
    void PaintCheck(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                    ItemShow show);
    void PaintOption(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                     ItemShow show);
    // item_painter_edit_win.cpp
    void PaintEdit(plus::PlusGraphics& target, const SkinItem& item, ItemShow show);
    void PaintEditText(const SkinItem& item, const RectRecord& inner, ItemShow show);
    void PaintLabel(plus::PlusGraphics& target, const SkinItem& item, std::size_t index,
                    ItemShow show);
    void PaintPictureLink(plus::PlusGraphics& target, const SkinItem& item) const;

    void PaintHalo(plus::PlusGraphics& target, const RectRecord& around) const;
    // The skin's warm glow centred on `around`, `percent` opaque.
    void PaintGlowBehind(plus::PlusGraphics& target, const RectRecord& around, int percent) const;
    // `style`'s text in `rect`, `shift` pixels lower: line by line for the
    // box, from the kept picture of item `index` for a window.
    void PaintText(plus::PlusGraphics& target, const TextStyle& style, const RectRecord& rect,
                   std::size_t index, int shift = 0);
    void PaintKeptText(plus::PlusGraphics& target, const TextStyle& style, const RectRecord& rect,
                       std::size_t index, int shift);

    enum Face { kNormal, kHover, kPressed, kFocused, kFaceCount };

    const SkinState& skin_;
    ItemLook look_;
    std::array<plus::PlusImage, kFaceCount> faces_;  // the box's framed caption faces
    std::vector<plus::PlusImage> textLayers_;        // a window's kept texts, by item
    EditTextFace editFace_;
    FrameBuffer editStrip_;  // an edit item's text is drawn here by GDI, then shown
};

}  // namespace vorn::skin
