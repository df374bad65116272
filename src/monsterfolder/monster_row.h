// One monster of a monster folder as its list shows it: the values of its
// file summed up, every item it names (for the search), and whether the
// file is sound or what its first problem is.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/monster_profile.h"

namespace vorn::monsterfolder {

// The kinds of problem a row can have, in the order they are looked for:
// a row names the first one its file has.
enum class RowProblem {
    None,
    Unreadable,  // the file could not be read (the system's reason follows)
    Vanished,    // listed, but gone when it was read
    NotText,     // control bytes, or bytes in no encoding the reader knows
    NoInfoSection,
    OtherEncoding,    // read, but saved as UTF-8 or UTF-16 while the server reads GBK
    ValueOutOfRange,  // a code no list item has, or a number the window would not take
    RepeatedKey,      // a key or section given twice: only the first counts
    NoDropFile,       // digging allowed but there is no <name>-Item.txt
    UnknownItem,      // an item the caller's check does not know
    UnknownMonster,   // a monster name the server's monster table lacks
};

// Whether an item name is known (the game's item tables decide); an empty
// check knows every item.
using ItemNameCheck = std::function<bool(std::string_view item)>;

inline constexpr std::string_view kSoundStatus = "正常";

struct MonsterRow {
    std::string fileName;  // as listed, e.g. "骷髅.txt"
    std::string name;      // the file name without ".txt"
    // The values the window would show, when the file could be read; the
    // name is filled in.
    std::optional<profile::MonsterProfile> profile;
    int equipped = 0;                // of the window's twelve slots, those holding an item
    std::vector<std::string> items;  // every item the file names, slot order
    RowProblem problem = RowProblem::None;
    std::string status{kSoundStatus};  // "正常", or a short sentence about the problem
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // file time, see profile::FolderFile
    std::string modifiedText;   // "YYYY-MM-DD HH:MM", local time
};

}  // namespace vorn::monsterfolder
