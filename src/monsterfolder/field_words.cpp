#include "monsterfolder/field_words.h"

#include "profile/ini_syntax.h"

namespace vorn::monsterfolder {

std::string_view WordOf(std::span<const std::string_view> words, int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= words.size()) return {};
    return words[static_cast<std::size_t>(code)];
}

std::optional<int> CodeOf(std::span<const std::string_view> words, std::string_view text) {
    text = profile::TrimBlanks(text);
    for (std::size_t code = 0; code < words.size(); ++code)
        if (words[code] == text) return static_cast<int>(code);
    return std::nullopt;
}

}  // namespace vorn::monsterfolder
