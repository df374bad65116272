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

// Whether a file name ends in ".txt" or in "-Item.txt", in any letter case
// (Windows does not tell them apart).
bool HasTextFileSuffix(std::string_view fileName);
bool IsDropRateFileName(std::string_view fileName);

// A monster file: "<name>.txt" that is not a drop-rate file.
bool IsMonsterFileName(std::string_view fileName);

// The monster's name in "<name>-Item.txt" or "<name>.txt"; other names as they are.
std::string_view MonsterNameOf(std::string_view fileName);

// A file name as Windows compares it: ASCII letters in lower case.
std::string FileNameKey(std::string_view fileName);

// Why the name cannot be used (a sentence for the user), or nothing when both
// file names are safe. An empty name is allowed: the files are ".txt" and
// "-Item.txt".
std::optional<std::string> MonsterNameProblem(std::string_view monsterName);

}  // namespace vorn::profile
