// Text written by people arrives in several encodings. The byte-order mark
// decides first, then whether the bytes are valid UTF-8, then GBK: text that
// is valid UTF-8 is almost never meant as GBK, the other way round often.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn::runtime {

enum class TextEncoding { Utf8WithBom, Utf16Le, Utf16Be, Utf8, Gbk };

struct DecodedText {
    std::optional<std::string> utf8;  // without the byte-order mark; nothing when undecodable
    TextEncoding encoding = TextEncoding::Utf8;  // the one used, or the one that failed
    std::string problem;              // why not, when nothing: a Chinese sentence part
};

DecodedText DecodeText(std::string_view bytes);

// "GBK", "UTF-8" or "UTF-16", with or without a mark, in either byte order.
std::string_view EncodingName(TextEncoding encoding);

}  // namespace vorn::runtime
