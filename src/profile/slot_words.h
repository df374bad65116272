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

// The twelve slots the main window edits; the amulet (9) and the hat (13)
// have no control there and are only kept from an opened file.
inline constexpr int kWindowSlotCount = 12;
inline constexpr std::array<int, kWindowSlotCount> kWindowSlots{0, 1, 2, 3,  4,  5,
                                                                6, 7, 8, 10, 11, 12};

}  // namespace vorn::profile
