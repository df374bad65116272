// The game server's reading of a monster file, written apart from the
// program's own reader so tests can hold the program to it: blanks around
// lines and names do not count, ";" starts a comment, "[name]" a section,
// "key=value" a key; names without regard to case; of two sections with one
// name only the first is read, of two keys in a section only the first;
// lines before any section belong to none; CR LF, LF and CR end lines.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace vorn::testing {

using ServerSection = std::map<std::string, std::string>;  // lower-case key -> value

inline std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

inline std::string_view TrimServerBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\v\f";
    while (!text.empty() && kBlanks.find(text.front()) != std::string_view::npos) text.remove_prefix(1);
    while (!text.empty() && kBlanks.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
    return text;
}

// Sections by lower-case name, from UTF-8 text.
inline std::map<std::string, ServerSection> ServerRead(std::string_view text) {
    std::map<std::string, ServerSection> sections;
    ServerSection* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);

        const std::string_view trimmed = TrimServerBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';') continue;
        if (trimmed.front() == '[' && trimmed.find(']') != std::string_view::npos) {
            const auto [at, fresh] = sections.try_emplace(
                LowerAscii(TrimServerBlanks(trimmed.substr(1, trimmed.find(']') - 1))));
            current = fresh ? &at->second : nullptr;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current && equals != std::string_view::npos)
            current->try_emplace(LowerAscii(TrimServerBlanks(line.substr(0, equals))),
                                 std::string(line.substr(equals + 1)));
    }
    return sections;
}

}  // namespace vorn::testing
