// Sorting the monster list: numbers by value, times by time, names in GBK
// order with digit runs by value, and ties keep their order.
#include "monsterfolder/row_order.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vorn::testing {
namespace {

using monsterfolder::ListColumn;
using monsterfolder::MonsterRow;
using monsterfolder::RowProblem;
using monsterfolder::SortDirection;

MonsterRow Row(std::string name, int job = 0, int equipped = 0, std::int64_t modified = 0) {
    MonsterRow row;
    row.name = std::move(name);
    row.profile = profile::MonsterProfile{};
    row.profile->job = job;
    row.equipped = equipped;
    row.modified = modified;
    return row;
}

std::vector<std::string> SortedNames(const std::vector<MonsterRow>& rows, ListColumn column,
                                     SortDirection direction, std::vector<std::size_t> order = {}) {
    if (order.empty()) {
        order.resize(rows.size());
        std::iota(order.begin(), order.end(), 0);
    }
    monsterfolder::SortRows(rows, order, column, direction);
    std::vector<std::string> names;
    for (std::size_t index : order) names.push_back(rows[index].name);
    return names;
}

TEST(RowOrder, NamesLatinFirstThenChineseInGbkOrderDigitsByValue) {
    const std::vector<MonsterRow> rows = {Row("骷髅10"), Row("僵尸"), Row("abd"),
                                          Row("骷髅2"),  Row("Abc"),  Row("骷髅02")};
    // 僵 is BD A9 in GBK, 骷 F7 BC; "02" and "2" have one value, then bytes decide.
    EXPECT_EQ(SortedNames(rows, ListColumn::Name, SortDirection::Ascending),
              (std::vector<std::string>{"Abc", "abd", "僵尸", "骷髅02", "骷髅2", "骷髅10"}));
    EXPECT_EQ(SortedNames(rows, ListColumn::Name, SortDirection::Descending),
              (std::vector<std::string>{"骷髅10", "骷髅2", "骷髅02", "僵尸", "abd", "Abc"}));
}

TEST(RowOrder, SortKeysFoldLatinCaseButNotTheSecondByteOfAChineseCharacter) {
    EXPECT_EQ(monsterfolder::TextSortKey("AbC"), "abc");
    // 乑 is 81 5A in GBK: its second byte is a "Z" and stays so.
    EXPECT_EQ(monsterfolder::TextSortKey("\xE4\xB9\x91Z"), "\x81\x5Az");
    EXPECT_LT(monsterfolder::CompareSortKeys("a9", "a10"), 0);
    EXPECT_GT(monsterfolder::CompareSortKeys("a10b", "a10a"), 0);
    EXPECT_LT(monsterfolder::CompareSortKeys("a", "a1"), 0);
    EXPECT_EQ(monsterfolder::CompareSortKeys("x1y", "x1y"), 0);
}

TEST(RowOrder, NumbersAndTimesByValueTiesKeepTheirOrder) {
    const std::vector<MonsterRow> rows = {Row("a", 2, 9, 300), Row("b", 0, 10, 100),
                                          Row("c", 2, 0, 200), Row("d", 0, 9, 400)};
    EXPECT_EQ(SortedNames(rows, ListColumn::Equipped, SortDirection::Ascending),
              (std::vector<std::string>{"c", "a", "d", "b"}));
    EXPECT_EQ(SortedNames(rows, ListColumn::Modified, SortDirection::Descending),
              (std::vector<std::string>{"d", "a", "c", "b"}));
    // Equal jobs keep the order they came in, in both directions.
    EXPECT_EQ(SortedNames(rows, ListColumn::Job, SortDirection::Ascending, {3, 2, 1, 0}),
              (std::vector<std::string>{"d", "b", "c", "a"}));
    EXPECT_EQ(SortedNames(rows, ListColumn::Job, SortDirection::Descending, {3, 2, 1, 0}),
              (std::vector<std::string>{"c", "a", "d", "b"}));
    // Sorting a filtered list leaves the other rows out.
    EXPECT_EQ(SortedNames(rows, ListColumn::Name, SortDirection::Descending, {0, 2}),
              (std::vector<std::string>{"c", "a"}));
}

TEST(RowOrder, StatusSoundFirstThenByKindOfProblemAndRowsWithoutValuesFirst) {
    std::vector<MonsterRow> rows = {Row("a", 1), Row("b", 2), Row("c", 0), Row("d", 0)};
    rows[0].problem = RowProblem::RepeatedKey;
    rows[0].status = "Job 出现了不止一次";
    rows[1].problem = RowProblem::Unreadable;
    rows[1].status = "无法读取";
    rows[1].profile.reset();
    rows[3].problem = RowProblem::RepeatedKey;
    rows[3].status = "Hair 出现了不止一次";
    EXPECT_EQ(SortedNames(rows, ListColumn::Status, SortDirection::Ascending),
              (std::vector<std::string>{"c", "b", "d", "a"}));
    EXPECT_EQ(SortedNames(rows, ListColumn::Job, SortDirection::Ascending),
              (std::vector<std::string>{"b", "c", "d", "a"}));
}

}  // namespace
}  // namespace vorn::testing
