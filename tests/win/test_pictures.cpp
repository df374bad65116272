#include "test_pictures.h"

#include <algorithm>

namespace vorn::runtime::testing {
namespace {

void AppendBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Crc32(const Bytes& bytes, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void AppendChunk(Bytes& png, const char* type, const Bytes& data) {
    AppendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    AppendBigEndian(png, Crc32(png, typeStart));
}

}  // namespace

Bytes BuildRgbaPng(std::uint32_t width, std::uint32_t height, const Bytes& rgbaRows) {
    Bytes raw(std::size_t{height} * (width * 4 + 1));
    auto out = raw.begin();
    for (std::uint32_t y = 0; y < height; ++y) {
        *out++ = 0;  // filter: none
        const auto row = rgbaRows.begin() + static_cast<std::ptrdiff_t>(y * width * 4);
        out = std::copy(row, row + static_cast<std::ptrdiff_t>(width * 4), out);
    }
    // Stored deflate blocks hold at most 65535 bytes each.
    Bytes zlib = {0x78, 0x01};
    for (std::size_t offset = 0; offset < raw.size(); offset += 0xFFFF) {
        const std::size_t size = std::min<std::size_t>(0xFFFF, raw.size() - offset);
        const bool last = offset + size == raw.size();
        const auto length = static_cast<std::uint16_t>(size);
        zlib.push_back(last ? 0x01 : 0x00);
        zlib.push_back(static_cast<std::uint8_t>(length));
        zlib.push_back(static_cast<std::uint8_t>(length >> 8));
        zlib.push_back(static_cast<std::uint8_t>(~length));
        zlib.push_back(static_cast<std::uint8_t>(~length >> 8));
        const auto from = raw.begin() + static_cast<std::ptrdiff_t>(offset);
        zlib.insert(zlib.end(), from, from + static_cast<std::ptrdiff_t>(size));
    }
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    AppendBigEndian(zlib, (b << 16) | a);

    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    AppendBigEndian(header, width);
    AppendBigEndian(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", zlib);
    AppendChunk(png, "IEND", {});
    return png;
}

Bytes BuildOpaquePng(std::uint32_t width, std::uint32_t height,
                     const std::function<std::uint32_t(int x, int y)>& colourAt) {
    Bytes rgba;
    rgba.reserve(std::size_t{width} * height * 4);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t colour = colourAt(static_cast<int>(x), static_cast<int>(y));
            rgba.insert(rgba.end(), {static_cast<std::uint8_t>(colour >> 16),
                                     static_cast<std::uint8_t>(colour >> 8),
                                     static_cast<std::uint8_t>(colour), 0xFF});
        }
    return BuildRgbaPng(width, height, rgba);
}

}  // namespace vorn::runtime::testing
