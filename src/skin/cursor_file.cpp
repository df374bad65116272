#include "skin/cursor_file.h"

#include <cstddef>

namespace vorn::skin {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint16_t kCursorType = 2;

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8) |
           (std::uint32_t{bytes[at + 2]} << 16) | (std::uint32_t{bytes[at + 3]} << 24);
}

void Append16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

}  // namespace

std::optional<CursorImage> ReadCursorFile(std::span<const std::uint8_t> file) {
    if (file.size() <= kHeaderSize + kEntrySize) return std::nullopt;
    if (Read16(file, 0) != 0 || Read16(file, 2) != kCursorType || Read16(file, 4) != 1)
        return std::nullopt;

    const std::uint32_t size = Read32(file, 14);
    const std::uint32_t offset = Read32(file, 18);
    // Compared without adding, so a size and offset that wrap around when
    // summed cannot pass for a small image.
    if (size == 0 || size > file.size() || offset > file.size() - size) return std::nullopt;

    CursorImage cursor;
    cursor.width = file[6];
    cursor.height = file[7];
    cursor.hotX = Read16(file, 10);
    cursor.hotY = Read16(file, 12);
    cursor.image = file.subspan(offset, size);
    return cursor;
}

std::vector<std::uint8_t> CursorResource(const CursorImage& cursor) {
    std::vector<std::uint8_t> resource;
    resource.reserve(4 + cursor.image.size());
    Append16(resource, cursor.hotX);
    Append16(resource, cursor.hotY);
    resource.insert(resource.end(), cursor.image.begin(), cursor.image.end());
    return resource;
}

}  // namespace vorn::skin
