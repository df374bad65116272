#include "runtime/base/text_encoding.h"

#include <utility>

#include "runtime/base/gbk.h"
#include "runtime/base/unicode_text.h"

namespace vorn::runtime {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

DecodedText FromUtf16(std::string_view bytes, TextEncoding encoding) {
    if (bytes.size() % 2 != 0) return {std::nullopt, encoding, "UTF-16 文本不完整（字节数为奇数）"};
    const ByteOrder order =
        encoding == TextEncoding::Utf16Le ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
    std::optional<std::string> utf8 = Utf16ToUtf8(bytes, order);
    if (!utf8) return {std::nullopt, encoding, "UTF-16 文本中有不成对的代理字符"};
    return {std::move(utf8), encoding, {}};
}

}  // namespace

DecodedText DecodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        if (!IsValidUtf8(bytes)) return {std::nullopt, TextEncoding::Utf8WithBom, "不是有效的 UTF-8 文本"};
        return {std::string(bytes), TextEncoding::Utf8WithBom, {}};
    }
    // UTF-32LE also starts with FF FE; its zero units make it binary below.
    if (bytes.starts_with(kUtf16LeBom))
        return FromUtf16(bytes.substr(kUtf16LeBom.size()), TextEncoding::Utf16Le);
    if (bytes.starts_with(kUtf16BeBom))
        return FromUtf16(bytes.substr(kUtf16BeBom.size()), TextEncoding::Utf16Be);
    if (IsValidUtf8(bytes)) return {std::string(bytes), TextEncoding::Utf8, {}};
    if (std::optional<std::string> utf8 = GbkToUtf8(bytes))
        return {std::move(utf8), TextEncoding::Gbk, {}};
    return {std::nullopt, TextEncoding::Gbk, "既不是 UTF-8、UTF-16 文本，也不是 GBK 文本"};
}

std::string_view EncodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8WithBom:
        case TextEncoding::Utf8: return "UTF-8";
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be: return "UTF-16";
        case TextEncoding::Gbk: break;
    }
    return "GBK";
}

}  // namespace vorn::runtime
