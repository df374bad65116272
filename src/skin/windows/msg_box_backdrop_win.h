// How the skinned message box looks behind its items: the background with
// its shadow, stone, light message area and button bar, the gold rim it
// wears while it has the focus (its strength pulses when the box flashes),
// and the badge that tells the box's kind beside the title. The box's items
// are drawn by the item painter.
#pragma once

#include <cstdint>

#include "plus/plus_graphics_win.h"
#include "skin/rect_record.h"

namespace vorn::skin {

struct SkinState;

class MsgBoxBackdrop {
public:
    explicit MsgBoxBackdrop(const SkinState& skin) : skin_(skin) {}

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

private:
    const SkinState& skin_;
};

}  // namespace vorn::skin
