// The words the main window shows for the monster's codes; the list and the
// CSV file of a monster folder use the same words.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace vorn::monsterfolder {

inline constexpr std::array<std::string_view, 3> kJobWords{"战士", "法师", "道士"};
inline constexpr std::array<std::string_view, 2> kGenderWords{"男", "女"};
inline constexpr std::array<std::string_view, 2> kYesNoWords{"否", "是"};  // flag 0, 1
inline constexpr std::array<std::string_view, 4> kCurrencyWords{"金币", "元宝", "金刚石", "灵符"};

// The word of a code, or "" for a code without one.
std::string_view WordOf(std::span<const std::string_view> words, int code);

// The code of a word (blanks around it allowed), or nothing when no word matches.
std::optional<int> CodeOf(std::span<const std::string_view> words, std::string_view text);

}  // namespace vorn::monsterfolder
