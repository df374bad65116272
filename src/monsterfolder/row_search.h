// The search box of the monster list: rows whose name or any item contains
// the typed text, without regard to letter case. Each row's text is folded
// once, so a keystroke only scans prepared text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "monsterfolder/monster_row.h"

namespace vorn::monsterfolder {

// UTF-8 text with ASCII and full-width Latin letters made lower-case ASCII
// and full-width digits and the ideographic space made ASCII; all else as it
// is. Folding both sides makes "ＡＢ", "ab" and "Ab" find each other.
std::string FoldForSearch(std::string_view utf8);

class RowSearch {
public:
    explicit RowSearch(const std::vector<MonsterRow>& rows);

    // Indices of the matching rows, in row order. The query is folded and
    // trimmed of blanks; an empty one matches every row.
    std::vector<std::size_t> Matching(std::string_view query) const;

private:
    std::vector<std::string> haystacks_;  // per row: folded name and items, apart
};

}  // namespace vorn::monsterfolder
