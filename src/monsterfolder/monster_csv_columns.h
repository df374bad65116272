// The columns of a monster list's CSV file: one a field of the monster, one
// a slot the window edits, titled in Chinese as the window labels them. A
// cell holds what the window shows: 战士, 男, 是, a number as typed, a name.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/monster_profile.h"

namespace vorn::monsterfolder {

// 名称, 职业, 性别, 发型, 掉装备, 掉落几率, 挖取, 挖取几率, 收费模式, 挖取费用,
// 使用技能, 技能, then the twelve slots by their words (衣服 ... 宝石).
const std::vector<std::string_view>& MonsterCsvTitles();

// The cells of one monster, in the order of the titles.
std::vector<std::string> MonsterCsvCells(const profile::MonsterProfile& monster);

// Puts the cell of a column (an index into the titles) into the monster,
// as the window would take it from its control. Nothing when the cell is
// taken, otherwise why not, as a phrase that follows the cell's place
// ("“剑客”不是可选的职业（战士、法师、道士）").
std::optional<std::string> TakeMonsterCsvCell(std::size_t column, std::string_view cell,
                                              profile::MonsterProfile& monster);

}  // namespace vorn::monsterfolder
