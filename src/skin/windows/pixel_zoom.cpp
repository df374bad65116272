#include "skin/windows/pixel_zoom.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vorn::skin {
namespace {

// Where one target column (or row) takes its colour from: two neighbouring
// source columns and their weights out of 256. A neighbour outside the
// source weighs 0 (it is transparent).
struct Tap {
    int first = 0;
    int second = 0;
    std::uint32_t firstWeight = 0;
    std::uint32_t secondWeight = 0;
    bool Empty() const { return firstWeight == 0 && secondWeight == 0; }
};

// Target pixel i of a span scaled from `sourceSize` to `size` at `offset`:
// its centre, mapped back into the source.
std::vector<Tap> Taps(int count, int sourceSize, double offset, int size) {
    std::vector<Tap> taps(static_cast<std::size_t>(count));
    if (sourceSize <= 0 || size <= 0) return taps;
    const double scale = static_cast<double>(sourceSize) / size;
    for (int i = 0; i < count; ++i) {
        const double at = (i + 0.5 - offset) * scale - 0.5;
        if (at <= -1.0 || at >= sourceSize) continue;
        const double floor = std::floor(at);
        const int lower = static_cast<int>(floor);
        const auto upperWeight = static_cast<std::uint32_t>(std::lround((at - floor) * 256.0));
        Tap& tap = taps[static_cast<std::size_t>(i)];
        tap.first = std::clamp(lower, 0, sourceSize - 1);
        tap.second = std::clamp(lower + 1, 0, sourceSize - 1);
        tap.firstWeight = lower >= 0 ? 256 - upperWeight : 0;
        tap.secondWeight = lower + 1 < sourceSize ? upperWeight : 0;
    }
    return taps;
}

// a * wa + b * wb per channel, weights out of 256 that add up to at most 256.
// Two channels at a time, each in 16 bits of a 32-bit lane.
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t wa, std::uint32_t wb) {
    const std::uint32_t redBlue = (((a & 0x00FF00FFu) * wa + (b & 0x00FF00FFu) * wb) >> 8) & 0x00FF00FFu;
    const std::uint32_t alphaGreen = (((a >> 8) & 0x00FF00FFu) * wa + ((b >> 8) & 0x00FF00FFu) * wb) & 0xFF00FF00u;
    return redBlue | alphaGreen;
}

}  // namespace

void ZoomPixels(const ConstPixelRows& source, const PixelRows& target, double left, double top, int width,
                int height) {
    const std::vector<Tap> columns = Taps(target.width, source.width, left, width);
    const std::vector<Tap> rows = Taps(target.height, source.height, top, height);
    // The columns the picture reaches; the others stay transparent.
    int begin = 0, end = target.width;
    while (begin < end && columns[static_cast<std::size_t>(begin)].Empty()) ++begin;
    while (end > begin && columns[static_cast<std::size_t>(end - 1)].Empty()) --end;

    for (int y = 0; y < target.height; ++y) {
        std::uint32_t* out = target.Row(y);
        const Tap& row = rows[static_cast<std::size_t>(y)];
        if (row.Empty() || begin == end) {
            std::fill(out, out + target.width, 0u);
            continue;
        }
        std::fill(out, out + begin, 0u);
        std::fill(out + end, out + target.width, 0u);
        const std::uint32_t* upper = source.Row(row.first);
        const std::uint32_t* lower = source.Row(row.second);
        for (int x = begin; x < end; ++x) {
            const Tap& column = columns[static_cast<std::size_t>(x)];
            const std::uint32_t above =
                Mix(upper[column.first], upper[column.second], column.firstWeight, column.secondWeight);
            const std::uint32_t below =
                Mix(lower[column.first], lower[column.second], column.firstWeight, column.secondWeight);
            out[x] = Mix(above, below, row.firstWeight, row.secondWeight);
        }
    }
}

}  // namespace vorn::skin
