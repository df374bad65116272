#include "plus/rotated_size.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorn::plus {

RotatedExtent RotatedSize(double width, double height, double degrees) {
    // Pi to ten places, as these sizes were always computed: another pi can
    // move a truncated size by one pixel.
    const double radians = degrees * 3.1415926535 / 180.0;
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    const double halfWidth = (width - 1.0) / 2.0;
    const double halfHeight = (height - 1.0) / 2.0;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    double minX = kInfinity, maxX = -kInfinity, minY = kInfinity, maxY = -kInfinity;
    for (const double x : {-halfWidth, halfWidth}) {
        for (const double y : {-halfHeight, halfHeight}) {
            const double rotatedX = x * cosine - y * sine;
            const double rotatedY = x * sine + y * cosine;
            minX = std::min(minX, rotatedX);
            maxX = std::max(maxX, rotatedX);
            minY = std::min(minY, rotatedY);
            maxY = std::max(maxY, rotatedY);
        }
    }
    return {maxX - minX, maxY - minY};
}

}  // namespace vorn::plus
