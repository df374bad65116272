// Lines of an opened monster file that the program does not write itself: a
// key it does not know, an administrator's comment, a blank line, a second
// copy of a key, an unknown section with its lines. Each is kept in the part
// of the file it stood in and written back there, after the program's own
// lines, in the order it came, so nothing an administrator added is lost when
// the monster is generated again (a kept second [UseItems] moves behind the
// program's own; see PlaceKeptLines).
#pragma once

#include <string>
#include <vector>

namespace vorn::profile {

struct ExtraLines {
    std::vector<std::string> preamble;  // before [Info]: written after the header line
    std::vector<std::string> info;      // in [Info]: written after the UseSkill piece
    std::vector<std::string> useItems;  // in [UseItems]: written after the UseItems13 piece

    bool empty() const { return preamble.empty() && info.empty() && useItems.empty(); }
    bool operator==(const ExtraLines&) const = default;
};

}  // namespace vorn::profile
