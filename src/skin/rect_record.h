// The rectangles the painters draw into: whole pixels, position and size.
#pragma once

namespace vorn::skin {

struct RectRecord {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const RectRecord&, const RectRecord&) = default;
};

// Whether the point (x, y) lies in `rect`: its right and bottom edges are
// outside.
constexpr bool Contains(const RectRecord& rect, int x, int y) {
    return x >= rect.x && y >= rect.y && x < rect.x + rect.width && y < rect.y + rect.height;
}

// Layout arithmetic yields fractions (half a box, a centred offset); the skin
// cuts them toward zero rather than rounding, so -2.5 becomes -2.
constexpr RectRecord MakeRect(double x, double y, double width, double height) {
    return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
            static_cast<int>(height)};
}

}  // namespace vorn::skin
