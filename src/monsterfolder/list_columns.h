// The columns of the monster list and the text each cell shows, as the main
// window names the values (战士, 男, 是 ...).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "monsterfolder/monster_row.h"

namespace vorn::monsterfolder {

enum class ListColumn { Name, Job, Gender, DropsItems, Digging, Equipped, Status, Modified };

inline constexpr std::array<ListColumn, 8> kListColumns{
    ListColumn::Name,    ListColumn::Job,      ListColumn::Gender, ListColumn::DropsItems,
    ListColumn::Digging, ListColumn::Equipped, ListColumn::Status, ListColumn::Modified,
};

// 名称, 职业, 性别, 掉装备, 挖取, 装备数, 状态, 修改时间.
std::string_view ColumnTitle(ListColumn column);

// What the cell shows; the values of a file that could not be read are empty.
std::string CellText(const MonsterRow& row, ListColumn column);

}  // namespace vorn::monsterfolder
