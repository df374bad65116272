#include "monsterfolder/row_search.h"

#include "profile/ini_syntax.h"

namespace vorn::monsterfolder {
namespace {

// Stands between the name and the items, so that no match spans two of them.
constexpr char kApart = '\x1F';

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string FoldForSearch(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const bool threeBytes = i + 2 < text.size() && (byte(i) == 0xEF || byte(i) == 0xE3) &&
                                (byte(i + 1) & 0xC0) == 0x80 && (byte(i + 2) & 0xC0) == 0x80;
        if (threeBytes) {
            const unsigned code =
                ((byte(i) & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu);
            char ascii = 0;
            if (code >= 0xFF21 && code <= 0xFF3A)
                ascii = static_cast<char>('a' + (code - 0xFF21));
            else if (code >= 0xFF41 && code <= 0xFF5A)
                ascii = static_cast<char>('a' + (code - 0xFF41));
            else if (code >= 0xFF10 && code <= 0xFF19)
                ascii = static_cast<char>('0' + (code - 0xFF10));
            else if (code == 0x3000)
                ascii = ' ';
            if (ascii != 0) {
                folded += ascii;
                i += 2;
                continue;
            }
        }
        folded += Lower(text[i]);
    }
    return folded;
}

RowSearch::RowSearch(const std::vector<MonsterRow>& rows) {
    haystacks_.reserve(rows.size());
    for (const MonsterRow& row : rows) {
        std::string haystack = FoldForSearch(row.name);
        for (const std::string& item : row.items)
            haystack.append(1, kApart).append(FoldForSearch(item));
        haystacks_.push_back(std::move(haystack));
    }
}

std::vector<std::size_t> RowSearch::Matching(std::string_view query) const {
    const std::string folded = FoldForSearch(query);
    const std::string_view needle = profile::TrimBlanks(folded);
    std::vector<std::size_t> matching;
    for (std::size_t row = 0; row < haystacks_.size(); ++row)
        if (std::string_view(haystacks_[row]).find(needle) != std::string_view::npos)
            matching.push_back(row);
    return matching;
}

}  // namespace vorn::monsterfolder
