// The box's standard icons (stop, question, exclamation, information) drawn
// as vectors in the skin's style: a glossy disc (a triangle for the
// exclamation) in a gold rim with a white glyph, so they match the skin at
// any size instead of showing the system's icons.
#pragma once

#include <cstdint>

#include "plus/plus_graphics_win.h"
#include "skin/rect_record.h"

namespace vorn::skin {

struct SkinState;

// True for the codes 16, 32, 48 and 64.
bool IsStandardIcon(std::uint32_t code);

// The icon for `code` centred in `square`, 48 pixels across at most;
// nothing for other codes.
void DrawStandardIcon(plus::PlusGraphics& target, std::uint32_t code, const RectRecord& square,
                      const SkinState& skin);

}  // namespace vorn::skin
