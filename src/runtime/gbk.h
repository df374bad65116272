// UTF-8 to GBK (code page 936), the encoding of the files the game server reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn::runtime {

// The GBK bytes of the text, or nothing when the text is not valid UTF-8 or
// holds a character GBK cannot represent. Never substitutes '?' or a
// look-alike: a lossy file is worse than no file.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

}  // namespace vorn::runtime
