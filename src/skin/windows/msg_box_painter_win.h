// How the skinned message box looks. The box is drawn in layers: the
// background with its fixed texts and icon (drawn once per box), the gold rim
// it wears while it has the focus (its strength pulses when the box flashes),
// and the parts that change under the mouse and the keyboard: the caption
// buttons, the close button and the check option.
#pragma once

#include <array>
#include <cstdint>

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_win.h"
#include "skin/rect_record.h"
#include "skin/windows/msg_box_items.h"

namespace vorn::skin {

struct SkinState;

// `image` stretched into `destination`, `opacity` (0..1) opaque.
void DrawImageFaded(plus::PlusGraphics& target, const plus::PlusImage& image,
                    const RectRecord& destination, float opacity);

struct ButtonLook {
    bool focused = false;  // wears the focus halo
    bool pressed = false;  // held down under the pointer
};

class MsgBoxPainter {
public:
    // `captionSize`: the size every caption button has (faces are made once).
    MsgBoxPainter(const SkinState& skin, int captionWidth, int captionHeight);

    // A soft shadow in the transparent margin, the rounded box of the skin's
    // stone (through the faint tint when `tinted`), the light message area
    // and the button bar in the theme colour with its lines and flourish.
    void PaintBackground(plus::PlusGraphics& target, int width, int height, bool tinted) const;
    // The gold rim along the box's edge, on transparent pixels.
    void PaintFocusRim(plus::PlusGraphics& target, int width, int height) const;
    // The small badge that tells the box's kind at the title's left end:
    // the standard icon's badge, the tip badge for a caller's picture.
    // Answers how far the title's text moves right.
    int PaintTitleBadge(plus::PlusGraphics& target, const RectRecord& title, std::uint32_t icon,
                        bool picture) const;

    void PaintText(plus::PlusGraphics& target, const SkinItem& item) const;
    void PaintCaption(plus::PlusGraphics& target, const SkinItem& item, ButtonLook look) const;
    void PaintClose(plus::PlusGraphics& target, const SkinItem& item, ButtonLook look) const;
    void PaintCheck(plus::PlusGraphics& target, const SkinItem& item) const;

private:
    enum Face { kNormal, kHover, kPressed, kFocused, kFaceCount };

    void PaintHalo(plus::PlusGraphics& target, const RectRecord& around) const;

    const SkinState& skin_;
    std::array<plus::PlusImage, kFaceCount> faces_;
};

}  // namespace vorn::skin
