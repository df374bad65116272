// The monster's name becomes two file names inside MonUseItems, so it must be
// a plain Windows file name that stays in that directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn::profile {

// name + ".txt" and name + "-Item.txt".
std::string MonsterFileName(std::string_view monsterName);
std::string DropRateFileName(std::string_view monsterName);

// Why the name cannot be used (a sentence for the user), or nothing when both
// file names are safe. An empty name is allowed: the files are ".txt" and
// "-Item.txt".
std::optional<std::string> MonsterNameProblem(std::string_view monsterName);

}  // namespace vorn::profile
