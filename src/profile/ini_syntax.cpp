#include "profile/ini_syntax.h"

#include <algorithm>

namespace vorn::profile {
namespace {

constexpr std::string_view kBlanks = " \t\v\f";

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    const std::size_t close = trimmed.find(']');
    if (!trimmed.starts_with('[') || close == std::string_view::npos) return std::nullopt;
    return TrimBlanks(trimmed.substr(1, close - 1));
}

bool StartsSection(std::string_view line, std::string_view name) {
    const std::optional<std::string_view> section = SectionName(line);
    return section && SameIgnoringCase(*section, name);
}

}  // namespace vorn::profile
