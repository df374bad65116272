#include "runtime/controls/gradient.h"

#include <cmath>

namespace vorn::runtime {
namespace {

Rgb Mix(Rgb from, Rgb to, double t) {
    Rgb result = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        const auto channel = static_cast<Rgb>(std::lround(a + (b - a) * t));
        result |= channel << shift;
    }
    return result;
}

}  // namespace

Rgb GradientColourAt(const Rgb (&colours)[3], int row, int height) {
    if (height <= 1 || row <= 0) return colours[0];
    const double last = height - 1;
    if (row >= height - 1) return colours[2];
    const double middle = last / 2;
    if (row <= middle) return Mix(colours[0], colours[1], row / middle);
    return Mix(colours[1], colours[2], (row - middle) / (last - middle));
}

}  // namespace vorn::runtime
