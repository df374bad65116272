// UTF-8 to GBK (code page 936) and back: the encoding of the files the game
// server reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn::runtime {

// The GBK bytes of the text, or nothing when the text is not valid UTF-8 or
// holds a character GBK cannot represent. Never substitutes '?' or a
// look-alike: a lossy file is worse than no file.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// The UTF-8 text of GBK bytes, or nothing when they are not valid GBK: a lead
// byte without its trail byte, a pair with no character, a byte GBK does not
// use. Never substitutes: the text encodes back to exactly these bytes, so a
// line read from a file can be written back unchanged.
std::optional<std::string> GbkToUtf8(std::string_view gbk);

}  // namespace vorn::runtime
