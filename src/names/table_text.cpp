#include "names/table_text.h"

#include <algorithm>
#include <array>
#include <utility>

#include "runtime/base/text_encoding.h"

namespace vorn::names {
namespace {

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

TableText DecodeTableText(std::string_view bytes) {
    runtime::DecodedText decoded = runtime::DecodeText(bytes);
    if (!decoded.utf8) return {std::nullopt, std::move(decoded.problem)};
    if (std::ranges::any_of(*decoded.utf8, IsControl))
        return {std::nullopt, "含有控制字符，不是文本文件"};
    return {std::move(decoded.utf8), {}};
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsNameColumn(std::string_view utf8) {
    constexpr std::array<std::string_view, 4> kNameColumns = {"Name", "名称", "ItemName", "物品名称"};
    const std::string_view trimmed = TrimBlanks(utf8);
    return std::ranges::any_of(kNameColumns, [&](std::string_view column) {
        return SameIgnoringAsciiCase(trimmed, column);
    });
}

}  // namespace vorn::names
