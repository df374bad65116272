// The text of a text or CSV table: decoded from whichever encoding it came
// in, and refused when it is no text at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn::names {

struct TableText {
    std::optional<std::string> utf8;  // without a byte-order mark
    std::string problem;              // why not, when nothing
};

// UTF-8 (with or without its mark), UTF-16 LE or BE with a mark, or GBK.
// Control characters other than tab, CR and LF mean a binary file (or UTF-16
// without its mark) that only happened to decode.
TableText DecodeTableText(std::string_view bytes);

// Without the spaces, tabs and CRs at either end.
std::string_view TrimBlanks(std::string_view text);

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b);

// Whether a column or field of this name holds the names: "Name", "名称",
// "ItemName" or "物品名称", without regard to ASCII case or blanks around it.
bool IsNameColumn(std::string_view utf8);

}  // namespace vorn::names
