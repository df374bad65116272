// The fourteen equipment slots of the monster file, in file order: slot N is
// written as the key "UseItemsN" under a comment line holding its word.
#pragma once

#include <array>
#include <string_view>

namespace vorn::profile {

inline constexpr int kSlotCount = 14;

inline constexpr std::array<std::string_view, kSlotCount> kSlotWords{
    "衣服", "武器", "勋章", "项链", "头盔", "左手镯", "右手镯",
    "左戒指", "右戒指", "护身符", "腰带", "鞋子", "宝石", "斗笠",
};

}  // namespace vorn::profile
