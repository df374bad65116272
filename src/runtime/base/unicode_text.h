// Unicode text without the platform: UTF-8 checks and characters, UTF-16
// files as bytes. The settings file is UTF-16, and its reader runs in the
// native tests too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn::runtime {

enum class ByteOrder { LittleEndian, BigEndian };

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no sequence cut short.
bool IsValidUtf8(std::string_view bytes);

// The characters of UTF-8 text, or nothing when it is not valid UTF-8.
std::optional<std::u32string> Utf8Characters(std::string_view utf8);

// The UTF-8 text of UTF-16 bytes (without a byte-order mark), or nothing when
// the byte count is odd or a surrogate has no partner. Never substitutes.
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, ByteOrder order);

// The UTF-16LE bytes of UTF-8 text, or nothing when the text is not valid UTF-8.
std::optional<std::string> Utf8ToUtf16Le(std::string_view utf8);

}  // namespace vorn::runtime
