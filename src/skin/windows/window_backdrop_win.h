// What a window the skin makes itself shows behind its items: the bare stone
// of the skin's theme picture, mirrored over the whole window so it has no
// seams, and a thin gold rim along the window's rounded outline that sets it
// apart from the stone of the window under it.
#pragma once

#include "plus/plus_graphics_win.h"
#include "plus/plus_image_win.h"

namespace vorn::skin {

struct SkinState;

class WindowBackdrop {
public:
    explicit WindowBackdrop(const SkinState& skin) : skin_(skin) {}

    // The backdrop of a width x height window, at (0, 0) of `target`
    // (within its clip).
    void Paint(plus::PlusGraphics& target, int width, int height);

private:
    const SkinState& skin_;
    plus::PlusImage stone_;  // cut from the theme once
};

}  // namespace vorn::skin
