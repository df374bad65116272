// The size a picture takes when rotated, measured between the centres of its
// corner pixels: a w x h picture spans (w - 1) x (h - 1), so a single pixel
// has no extent at any angle.
#pragma once

namespace vorn::plus {

struct RotatedExtent {
    double width;
    double height;
};

RotatedExtent RotatedSize(double width, double height, double degrees);

}  // namespace vorn::plus
