// Sorting the monster list by one of its columns. Numbers sort as numbers,
// times as times, and texts in GBK order (the order of the characters in the
// engine's own code page: Latin first, then the common Chinese characters
// roughly by their reading), letters without regard to case and runs of
// digits by their value, so "骷髅2" comes before "骷髅10".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "monsterfolder/list_columns.h"
#include "monsterfolder/monster_row.h"

namespace vorn::monsterfolder {

enum class SortDirection { Ascending, Descending };

// Puts `indices` (into `rows`) in the column's order. Stable: rows that
// compare equal keep the order they had, so sorting by one column and then
// by another keeps the first column's order within the second's ties.
void SortRows(const std::vector<MonsterRow>& rows, std::vector<std::size_t>& indices,
              ListColumn column, SortDirection direction);

// The text's sort key: its GBK bytes (UTF-8 when GBK cannot hold it) with
// ASCII letters in lower case.
std::string TextSortKey(std::string_view utf8);

// <0, 0, >0 as `a` sorts before, with or after `b`; both are sort keys.
// Runs of ASCII digits compare by value.
int CompareSortKeys(std::string_view a, std::string_view b);

}  // namespace vorn::monsterfolder
