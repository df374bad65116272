#include "runtime/plain_box_picture_win.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vorn::runtime {
namespace {

using Channels = std::array<double, 4>;

Channels Split(std::uint32_t pixel) {
    return {static_cast<double>(pixel & 0xFF), static_cast<double>((pixel >> 8) & 0xFF),
            static_cast<double>((pixel >> 16) & 0xFF), static_cast<double>(pixel >> 24)};
}

std::uint32_t Join(const Channels& channels) {
    std::uint32_t pixel = 0;
    for (int i = 0; i < 4; ++i) {
        const auto value = static_cast<std::uint32_t>(std::clamp(channels[i] + 0.5, 0.0, 255.0));
        pixel |= value << (8 * i);
    }
    return pixel;
}

// One pass along a single axis: `count` lines of `from` pixels each become lines
// of `to` pixels. `step` is the distance between neighbours along the axis and
// `stride` the distance between lines, in both source and target.
void ResampleAxis(const std::vector<Channels>& source, std::vector<Channels>& target, int from,
                  int to, int count, int sourceStep, int sourceStride, int targetStep,
                  int targetStride) {
    const double scale = static_cast<double>(from) / to;
    for (int line = 0; line < count; ++line) {
        for (int i = 0; i < to; ++i) {
            const double begin = i * scale;
            const double end = begin + scale;
            Channels sum{};
            for (int j = static_cast<int>(begin); j < from && j < end; ++j) {
                const double weight = std::min<double>(end, j + 1) - std::max<double>(begin, j);
                if (weight <= 0) continue;
                const Channels& pixel = source[line * sourceStride + j * sourceStep];
                for (int c = 0; c < 4; ++c) sum[c] += pixel[c] * weight;
            }
            Channels& out = target[line * targetStride + i * targetStep];
            for (int c = 0; c < 4; ++c) out[c] = sum[c] / scale;
        }
    }
}

std::vector<std::uint32_t> ReadPixels(HBITMAP bitmap, SIZE size) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const WindowDc screen;
    const int lines = GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(),
                                &info, DIB_RGB_COLORS);
    if (lines != size.cy) return {};
    // Bitmaps without an alpha channel read back with alpha 0 everywhere.
    const bool anyAlpha =
        std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
    if (!anyAlpha)
        for (std::uint32_t& pixel : pixels) pixel |= 0xFF000000u;
    return pixels;
}

}  // namespace

std::vector<std::uint32_t> ResamplePixels(std::span<const std::uint32_t> pixels, SIZE from,
                                          SIZE to) {
    if (from.cx <= 0 || from.cy <= 0 || to.cx <= 0 || to.cy <= 0 ||
        pixels.size() != static_cast<std::size_t>(from.cx) * from.cy)
        return {};
    std::vector<Channels> source(pixels.size());
    std::transform(pixels.begin(), pixels.end(), source.begin(), Split);

    std::vector<Channels> wide(static_cast<std::size_t>(to.cx) * from.cy);
    ResampleAxis(source, wide, from.cx, to.cx, from.cy, 1, from.cx, 1, to.cx);
    std::vector<Channels> result(static_cast<std::size_t>(to.cx) * to.cy);
    ResampleAxis(wide, result, from.cy, to.cy, to.cx, to.cx, 1, to.cx, 1);

    std::vector<std::uint32_t> joined(result.size());
    std::transform(result.begin(), result.end(), joined.begin(), Join);
    return joined;
}

UniqueBitmap MakeIconPicture(HBITMAP source, int side) {
    const SIZE size = BitmapSize(source);
    if (side <= 0 || size.cx <= 0 || size.cy <= 0) return {};
    const std::vector<std::uint32_t> pixels = ReadPixels(source, size);
    if (pixels.empty()) return {};

    // Fit the longer edge to the side, keeping the aspect ratio.
    SIZE fitted{side, side};
    if (size.cx > size.cy)
        fitted.cy = std::max<LONG>(1, MulDiv(side, size.cy, size.cx));
    else if (size.cy > size.cx)
        fitted.cx = std::max<LONG>(1, MulDiv(side, size.cx, size.cy));
    const std::vector<std::uint32_t> scaled = ResamplePixels(pixels, size, fitted);

    void* bits = nullptr;
    UniqueBitmap result = CreateTopDownDib(side, side, &bits);
    if (!result || !bits) return {};
    auto* target = static_cast<std::uint32_t*>(bits);
    std::fill(target, target + static_cast<std::size_t>(side) * side, 0u);
    const int left = (side - fitted.cx) / 2;
    const int top = (side - fitted.cy) / 2;
    for (int y = 0; y < fitted.cy; ++y)
        std::memcpy(target + static_cast<std::size_t>(top + y) * side + left,
                    scaled.data() + static_cast<std::size_t>(y) * fitted.cx,
                    sizeof(std::uint32_t) * static_cast<std::size_t>(fitted.cx));
    return result;
}

}  // namespace vorn::runtime
