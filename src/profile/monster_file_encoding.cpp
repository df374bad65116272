#include "profile/monster_file_encoding.h"

#include <algorithm>
#include <string>

#include "runtime/base/gbk.h"
#include "runtime/base/unicode_text.h"

namespace vorn::profile {
namespace {

using runtime::DecodedText;
using runtime::TextEncoding;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsValidGbk(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; }) ||
           runtime::GbkToUtf8(bytes).has_value();
}

// 1-based number of the first line that is not valid, or 0 when every line
// is. Line ends are ASCII bytes, which neither GBK nor UTF-8 uses inside a
// character, so the text is valid exactly when each of its lines is. Blocks
// of lines are checked whole and only the first broken block line by line,
// so a long file costs a few hundred GBK conversions, not one per line.
template <typename IsValid>
std::size_t FirstBrokenLine(std::string_view bytes, IsValid isValid) {
    constexpr std::size_t kBlockSize = 4096;
    std::size_t number = 1;
    while (!bytes.empty()) {
        std::size_t end = bytes.size();
        if (end > kBlockSize) {
            end = bytes.find('\n', kBlockSize);
            end = end == std::string_view::npos ? bytes.size() : end + 1;
        }
        const std::string_view block = bytes.substr(0, end);
        if (!isValid(block)) {
            for (std::string_view rest = block;; ++number) {
                const std::size_t lineEnd = rest.find('\n');
                if (!isValid(rest.substr(0, lineEnd)) || lineEnd == std::string_view::npos)
                    return number;
                rest.remove_prefix(lineEnd + 1);
            }
        }
        number += static_cast<std::size_t>(std::count(block.begin(), block.end(), '\n'));
        bytes.remove_prefix(end);
    }
    return 0;
}

// Names the line where the encoding that held out longer breaks: that is
// the encoding the file was written in, and its broken line the one to fix.
std::string NeitherGbkNorUtf8(std::string_view bytes) {
    const std::size_t notGbk = FirstBrokenLine(bytes, IsValidGbk);
    const std::size_t notUtf8 = FirstBrokenLine(bytes, runtime::IsValidUtf8);
    std::string sentence = "第 " + std::to_string(std::max(notGbk, notUtf8)) + " 行";
    if (notGbk == notUtf8)
        sentence += "既不是有效的 GBK 文本，也不是有效的 UTF-8 文本";
    else
        sentence += notGbk > notUtf8 ? "不是有效的 GBK 文本" : "不是有效的 UTF-8 文本";
    return sentence + "，游戏服务端会读错。\r\n请用 GBK（ANSI）或 UTF-8 编码保存后再打开。";
}

// Whether every double-byte character of valid GBK bytes lies in GB2312's
// area; a byte 0x80 (the euro sign of code page 936) does not either.
bool StaysInGb2312Area(std::string_view gbk) {
    for (std::size_t pos = 0; pos < gbk.size(); ++pos) {
        const auto lead = static_cast<unsigned char>(gbk[pos]);
        if (lead < 0x80) continue;
        if (lead < 0xA1 || lead > 0xF7 || ++pos == gbk.size()) return false;
        if (static_cast<unsigned char>(gbk[pos]) < 0xA1) return false;
    }
    return true;
}

DecodedText WithoutMark(std::string_view bytes) {
    std::optional<std::string> gbk = runtime::GbkToUtf8(bytes);
    const bool utf8 = runtime::IsValidUtf8(bytes);
    if (gbk && (!utf8 || StaysInGb2312Area(bytes))) return {std::move(gbk), TextEncoding::Gbk, {}};
    if (utf8) return {std::string(bytes), TextEncoding::Utf8, {}};
    return {std::nullopt, TextEncoding::Gbk, NeitherGbkNorUtf8(bytes)};
}

}  // namespace

runtime::DecodedText DecodeMonsterFile(std::string_view bytes) {
    if (!bytes.starts_with(kUtf8Bom) && !bytes.starts_with("\xFF\xFE") &&
        !bytes.starts_with("\xFE\xFF"))
        return WithoutMark(bytes);
    DecodedText decoded = runtime::DecodeText(bytes);
    if (decoded.utf8) return decoded;
    if (decoded.encoding != TextEncoding::Utf8WithBom) {
        decoded.problem += "。";
        return decoded;
    }
    // An editor that wrote the mark in front of GBK text.
    bytes.remove_prefix(kUtf8Bom.size());
    if (std::optional<std::string> gbk = runtime::GbkToUtf8(bytes))
        return {std::move(gbk), TextEncoding::Gbk, {}};
    return {std::nullopt, TextEncoding::Utf8WithBom, NeitherGbkNorUtf8(bytes)};
}

}  // namespace vorn::profile
