// Files carried inside the program (pictures, cursors, sounds). Each is stored
// as a byte-array constant: 32-bit dimension count (1), 32-bit element count
// n, then the n bytes of the file exactly as on disk; integers little-endian.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vorn::runtime {

// The byte-array constant of an embedded file, by its path under assets/
// (e.g. "background.jpg", "skin/image_03.png"), including its 8-byte header;
// nullptr when the program carries no such file.
const std::uint8_t* EmbeddedConstant(std::string_view fileName);

// The file bytes held by a byte-array constant (the part after the header).
std::span<const std::uint8_t> ConstantBytes(const std::uint8_t* constant);

// The bytes of an embedded file; empty when the program carries none.
std::span<const std::uint8_t> EmbeddedFileBytes(std::string_view fileName);

}  // namespace vorn::runtime
