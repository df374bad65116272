// What the screen shows in a rectangle, read once: how the driver sees what
// a layered window draws (its pixels are nowhere else to be read).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vorn::e2e {

class ScreenPixels {
public:
    // `area` in screen coordinates.
    explicit ScreenPixels(const RECT& area);

    // 0x00RRGGBB at (x, y) counted from the area's top left; 0 outside.
    std::uint32_t At(int x, int y) const;
    // How many pixels of `part` (area coordinates) satisfy `test`.
    template <typename Test>
    int Count(const RECT& part, Test test) const {
        int count = 0;
        for (int y = part.top; y < part.bottom; ++y)
            for (int x = part.left; x < part.right; ++x) count += test(At(x, y)) ? 1 : 0;
        return count;
    }
    bool operator==(const ScreenPixels& other) const { return pixels_ == other.pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // rows top-down
};

inline int Red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
inline int Green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
inline int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }

}  // namespace vorn::e2e
