// Pictures as rows of 32-bit premultiplied pixels (0xAARRGGBB), and drawing
// one of them scaled into another: the message box's zoom, which scales the
// box it drew once instead of drawing it again at every size. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorn::skin {

// A width x height picture whose row y (from the top) begins at
// first + y * rowStep (rowStep is negative for bottom-up rows).
struct PixelRows {
    std::uint32_t* first = nullptr;
    std::ptrdiff_t rowStep = 0;
    int width = 0;
    int height = 0;
    std::uint32_t* Row(int y) const { return first + static_cast<std::ptrdiff_t>(y) * rowStep; }
};

struct ConstPixelRows {
    const std::uint32_t* first = nullptr;
    std::ptrdiff_t rowStep = 0;
    int width = 0;
    int height = 0;
    const std::uint32_t* Row(int y) const { return first + static_cast<std::ptrdiff_t>(y) * rowStep; }
};

// Fills the whole of `target`: `source` scaled bilinearly to width x height
// with its top left corner at (left, top) of the target (fractions of a
// pixel allowed), transparent black everywhere else. Pixels are
// premultiplied, so the picture's soft edges fade out cleanly. At its own
// size and a whole-pixel place the source is copied unchanged.
void ZoomPixels(const ConstPixelRows& source, const PixelRows& target, double left, double top, int width,
                int height);

}  // namespace vorn::skin
