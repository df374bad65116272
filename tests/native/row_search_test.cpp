// The search box of the monster list: names and items, Chinese and Latin,
// letters in any case and width.
#include "monsterfolder/row_search.h"

#include <gtest/gtest.h>

namespace vorn::testing {
namespace {

using monsterfolder::MonsterRow;
using Indices = std::vector<std::size_t>;

MonsterRow Row(std::string name, std::vector<std::string> items = {}) {
    MonsterRow row;
    row.name = std::move(name);
    row.items = std::move(items);
    return row;
}

TEST(FoldForSearch, LettersOfEveryWidthBecomeLowerCaseAscii) {
    // ＡｂＣ１ and an ideographic space; 骷 and é stay as they are.
    EXPECT_EQ(
        monsterfolder::FoldForSearch("\xEF\xBC\xA1\xEF\xBD\x82\xEF\xBC\xA3\xEF\xBC\x91\xE3\x80\x80"
                                     "Z\xE9\xAA\xB7\xC3\xA9"),
        "abc1 z\xE9\xAA\xB7\xC3\xA9");
    // A cut-off sequence is left alone rather than read past its end.
    EXPECT_EQ(monsterfolder::FoldForSearch("A\xEF\xBC"), "a\xEF\xBC");
}

TEST(RowSearch, FindsNamesAndItemsWithoutRegardToCase) {
    const std::vector<MonsterRow> rows = {
        Row("骷髅王", {"屠龙刀", "Dragon"}), Row("Zombie"),         Row("ＫＩＮＧ骑士", {"木剑"}),
        Row("boss12", {"Ｓｗｏｒｄ"}),       Row("尸王", {"屠龙"}),
    };
    const monsterfolder::RowSearch search(rows);
    EXPECT_EQ(search.Matching("骷髅"), Indices{0});
    EXPECT_EQ(search.Matching("ZOM"), Indices{1});
    EXPECT_EQ(search.Matching("king骑"), Indices{2}) << "full-width name, ASCII query";
    EXPECT_EQ(search.Matching("ＢＯＳＳ１２"), Indices{3}) << "full-width query, ASCII name";
    EXPECT_EQ(search.Matching("sword"), Indices{3}) << "an item";
    EXPECT_EQ(search.Matching("屠龙"), (Indices{0, 4}));
    EXPECT_EQ(search.Matching(" 木剑 "), Indices{2}) << "blanks around the query do not count";
    EXPECT_EQ(search.Matching("刀dragon"), Indices{}) << "no match across two items";
    EXPECT_EQ(search.Matching("王屠"), Indices{}) << "nor across the name and an item";
    EXPECT_EQ(search.Matching("僵尸"), Indices{});
    EXPECT_EQ(search.Matching(""), (Indices{0, 1, 2, 3, 4}));
    EXPECT_EQ(search.Matching("  "), (Indices{0, 1, 2, 3, 4}));
}

}  // namespace
}  // namespace vorn::testing
