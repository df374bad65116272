// The CSV side of the monster list: RFC 4180 text both ways, the exported
// bytes of one monster, and every way a CSV file's rows are refused.
#include <gtest/gtest.h>

#include "monsterfolder/csv_export.h"
#include "monsterfolder/csv_import_table.h"
#include "monsterfolder/csv_text.h"
#include "native/monster_folder_fixture.h"
#include "runtime/base/unicode_text.h"

namespace vorn::testing {
namespace {

using monsterfolder::CsvRow;
using monsterfolder::ImportTable;
using Fields = std::vector<std::string>;

const std::string kTitles =
    "名称,职业,性别,发型,掉装备,掉落几率,挖取,挖取几率,收费模式,挖取费用,使用技能,技能,"
    "衣服,武器,勋章,项链,头盔,左手镯,右手镯,左戒指,右戒指,腰带,鞋子,宝石\r\n";

TEST(CsvText, FieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(monsterfolder::CsvRecord(Fields{"a", "", "b c", "x,y", "say \"hi\"", "1\r\n2", "\n"}),
              "a,,b c,\"x,y\",\"say \"\"hi\"\"\",\"1\r\n2\",\"\n\"\r\n");
    EXPECT_EQ(monsterfolder::CsvRecord(Fields{""}), "\r\n");
}

TEST(CsvText, ReadsQuotesLineEndsAndBlankLines) {
    const std::vector<CsvRow> rows =
        monsterfolder::ParseCsv("a,\"b,1\",\"c\"\"d\"\r\n\r\n\"multi\r\nline\",x\n,\nlast,\"\"");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].fields, (Fields{"a", "b,1", "c\"d"}));
    EXPECT_EQ(rows[0].line, 1u);
    EXPECT_EQ(rows[1].fields, (Fields{"multi\r\nline", "x"}));
    EXPECT_EQ(rows[1].line, 3u) << "the blank line 2 is left out";
    EXPECT_EQ(rows[2].fields, (Fields{"", ""}));
    EXPECT_EQ(rows[2].line, 5u) << "a quoted line end counts as a line";
    EXPECT_EQ(rows[3].fields, (Fields{"last", ""}));
    for (const CsvRow& row : rows) EXPECT_EQ(row.broken, "");
}

TEST(CsvText, BrokenQuotingIsNamedByFieldAndLine) {
    const std::vector<CsvRow> rows =
        monsterfolder::ParseCsv("a,b\"c\r\n\"x\"y,z\r\nok\r\n1,\"open\r\nrest");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].broken, "第 2 个字段的引号不在开头，这个字段应整个用引号括起来");
    EXPECT_EQ(rows[1].broken, "第 1 个字段在闭合的引号后面还有文字");
    EXPECT_EQ(rows[1].fields, (Fields{"xy", "z"}));
    EXPECT_EQ(rows[2].broken, "");
    EXPECT_EQ(rows[3].broken, "第 2 个字段的引号从第 4 行开始，到文件末尾都没有闭合");
    EXPECT_EQ(rows[3].fields, (Fields{"1", "open\r\nrest"}));
}

// One monster, the bytes checked by hand: UTF-8 with its mark, the titles,
// the words the window shows, the skill list quoted for its comma and the
// weapon for its quote, ten empty slots, CR LF after each row.
TEST(MonsterCsvExport, GoldenBytesOfOneMonster) {
    profile::MonsterProfile monster = Monster("骷髅");
    monster = {2, 1, 1, 1, "30", 0, "0", 1, "88", true, "烈火剑法,半月弯刀", {}, "骷髅"};
    monster.useItems[0] = "布衣";
    monster.useItems[1] = "木\"剑";
    monster.useItems[9] = "护身符甲";  // no column: the window has no box for it
    monsterfolder::MonsterRow row;
    row.name = "骷髅";
    row.profile = monster;
    monsterfolder::MonsterRow unreadable;
    unreadable.name = "坏";
    const std::vector<monsterfolder::MonsterRow> rows = {unreadable, row};
    const std::vector<std::size_t> order = {0, 1};

    const monsterfolder::CsvExport exported = monsterfolder::ExportMonsterCsv(rows, order);
    const std::string expected =
        "\xEF\xBB\xBF"
        // 名称,职业,性别,发型,掉装备,掉落几率,挖取,挖取几率,收费模式,挖取费用,使用技能,技能,
        "\xE5\x90\x8D\xE7\xA7\xB0,\xE8\x81\x8C\xE4\xB8\x9A,\xE6\x80\xA7\xE5\x88\xAB,"
        "\xE5\x8F\x91\xE5\x9E\x8B,\xE6\x8E\x89\xE8\xA3\x85\xE5\xA4\x87,"
        "\xE6\x8E\x89\xE8\x90\xBD\xE5\x87\xA0\xE7\x8E\x87,\xE6\x8C\x96\xE5\x8F\x96,"
        "\xE6\x8C\x96\xE5\x8F\x96\xE5\x87\xA0\xE7\x8E\x87,"
        "\xE6\x94\xB6\xE8\xB4\xB9\xE6\xA8\xA1\xE5\xBC\x8F,"
        "\xE6\x8C\x96\xE5\x8F\x96\xE8\xB4\xB9\xE7\x94\xA8,"
        "\xE4\xBD\xBF\xE7\x94\xA8\xE6\x8A\x80\xE8\x83\xBD,"
        "\xE6\x8A\x80\xE8\x83\xBD,"
        // 衣服,武器,勋章,项链,头盔,左手镯,右手镯,左戒指,右戒指,腰带,鞋子,宝石 CR LF
        "\xE8\xA1\xA3\xE6\x9C\x8D,\xE6\xAD\xA6\xE5\x99\xA8,\xE5\x8B\x8B\xE7\xAB\xA0,"
        "\xE9\xA1\xB9\xE9\x93\xBE,\xE5\xA4\xB4\xE7\x9B\x94,\xE5\xB7\xA6\xE6\x89\x8B\xE9\x95\xAF,"
        "\xE5\x8F\xB3\xE6\x89\x8B\xE9\x95\xAF,\xE5\xB7\xA6\xE6\x88\x92\xE6\x8C\x87,"
        "\xE5\x8F\xB3\xE6\x88\x92\xE6\x8C\x87,\xE8\x85\xB0\xE5\xB8\xA6,\xE9\x9E\x8B\xE5\xAD\x90,"
        "\xE5\xAE\x9D\xE7\x9F\xB3\r\n"
        // 骷髅,道士,女,1,是,30,否,0,元宝,88,是,"烈火剑法,半月弯刀",
        "\xE9\xAA\xB7\xE9\xAB\x85,\xE9\x81\x93\xE5\xA3\xAB,\xE5\xA5\xB3,1,\xE6\x98\xAF,30,"
        "\xE5\x90\xA6,0,\xE5\x85\x83\xE5\xAE\x9D,88,\xE6\x98\xAF,"
        "\"\xE7\x83\x88\xE7\x81\xAB\xE5\x89\x91\xE6\xB3\x95,"
        "\xE5\x8D\x8A\xE6\x9C\x88\xE5\xBC\xAF\xE5\x88\x80\","
        // 布衣,"木""剑", then ten empty slots, CR LF
        "\xE5\xB8\x83\xE8\xA1\xA3,\"\xE6\x9C\xA8\"\"\xE5\x89\x91\",,,,,,,,,,\r\n";
    EXPECT_EQ(exported.bytes, expected);
    EXPECT_EQ(exported.skipped, Fields{"坏"});
}

// ---- Reading a CSV file back --------------------------------------------

std::string Row(std::string cells) { return cells + "\r\n"; }

// A sound row: 骷髅, warrior, male, hair 2, no drops, no digging.
const std::string kSoundCells = "骷髅,战士,男,2,否,0,否,0,金币,0,否,,布衣,木剑,,,,,,,,,,";

std::vector<std::string> Texts(const std::vector<monsterfolder::ImportMessage>& messages) {
    std::vector<std::string> texts;
    for (const auto& message : messages) texts.push_back(message.text);
    return texts;
}

TEST(MonsterCsvImport, ColumnsByTitleInAnyOrderInAnyEncoding) {
    // Titles shuffled, an unknown column, blanks around a title.
    const std::string text =
        "备注,宝石,鞋子,腰带,右戒指,左戒指,右手镯,左手镯,头盔,项链,勋章,武器,衣服,技能,使用技能,"
        "挖取费用,收费模式,挖取几率,挖取,掉落几率,掉装备,发型,性别,职业, 名称 \r\n"
        "随便,宝石甲,,,,,,,,,,木剑,布衣,\"烈火剑法,半月弯刀\","
        "是,88,灵符,20,是,030,是,0,女,道士,骷髅\n";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + text, text, *runtime::Utf8ToGbk(text),
                                     "\xFF\xFE" + *runtime::Utf8ToUtf16Le(text)}) {
        const ImportTable table = monsterfolder::ReadMonsterCsv(bytes);
        EXPECT_EQ(Texts(table.errors), Fields{});
        EXPECT_EQ(Texts(table.warnings), Fields{"第 1 行：不认识的列“备注”，导入时忽略。"});
        ASSERT_EQ(table.monsters.size(), 1u);
        profile::MonsterProfile expected{
            2, 1, 0, 1, "030", 1, "20", 3, "88", true, "烈火剑法,半月弯刀", {}, "骷髅"};
        expected.useItems[0] = "布衣";
        expected.useItems[1] = "木剑";
        expected.useItems[12] = "宝石甲";
        EXPECT_EQ(table.monsters[0].profile, expected);
        EXPECT_EQ(table.monsters[0].line, 2u);
    }
}

TEST(MonsterCsvImport, AFileWithoutEveryColumnOrWithoutTextGivesNoMonsters) {
    const std::pair<std::string, std::string> cases[] = {
        {"名称,职业\r\n骷髅,战士\r\n",
         "第 1 行：缺少列 性别、发型、掉装备、掉落几率、挖取、挖取几率、收费模式、"
         "挖取费用、使用技能、技能、衣服、武器、勋章、项链、头盔、左手镯、右手镯、"
         "左戒指、右戒指、腰带、鞋子、宝石，无法导入。"},
        {"职业," + kTitles + Row(kSoundCells), "第 1 行：“职业”列出现了两次。"},
        {"\"名称,职业\r\n",
         "第 1 行（标题行）：第 1 个字段的引号从第 1 行开始，到文件末尾都没有闭合。"},
        {"\r\n\r\n", "这个 CSV 文件是空的，没有标题行。"},
        {std::string("\xFF\xFE\x00", 3),
         "无法读取这个 CSV 文件：UTF-16 文本不完整（字节数为奇数）。"},
    };
    for (const auto& [bytes, error] : cases) {
        const ImportTable table = monsterfolder::ReadMonsterCsv(bytes);
        EXPECT_TRUE(table.monsters.empty()) << error;
        EXPECT_EQ(Texts(table.errors), Fields{error});
    }
}

// Every row that is refused says its line, its column and why; the sound
// rows around them are still taken.
TEST(MonsterCsvImport, RowsTheWindowWouldNotTakeAreRefusedWithTheirReasons) {
    const std::string text =
        kTitles + Row(kSoundCells) +                                                // 2: taken
        Row("剑客,剑客,中,3,也许,abc,否,150,银两,-1,否,,,,,,,,,,,,,") +             // 3
        Row(",战士,男,2,否,0,否,0,金币,0,否,,,,,,,,,,,,,") +                        // 4
        Row("a/b,战士,男,,否,,否,,金币,,否,,,,,,,,,,,,,") +                         // 5
        Row("Boss,战士,男,2,否,0,否,0,金币,0,否,,,,,,,,,,,,,") +                    // 6
        Row("boss,战士,男,2,否,0,否,0,金币,0,否,,,,,,,,,,,,,") +                    // 7
        Row("表情,战士,男,2,否,0,否,0,金币,0,是,火\xF0\x9F\x94\xA5,,,,,,,,,,,,") +  // 8
        Row("短,战士,男,2,否") +                                                    // 9
        Row("引号,战士,男,2,否,0,否,0,金币,0,否,,布\"衣,,,,,,,,,,,") +              // 10
        Row("换行,战士,男,2,否,0,否,0,金币,0,否,,\"布\n衣\",,,,,,,,,,,") +          // 11
        Row("关技能,战士,男,2,否,0,否,0,金币,0,否,烈火剑法,,,,,,,,,,,,");           // 13
    const ImportTable table = monsterfolder::ReadMonsterCsv(text);
    EXPECT_EQ(Texts(table.errors),
              (Fields{
                  "第 3 行“职业”列：“剑客”不是可选的职业（战士、法师、道士）。",
                  "第 3 行“性别”列：“中”不是可选的性别（男、女）。",
                  "第 3 行“发型”列：“3”超出范围（0–2）。",
                  "第 3 行“掉装备”列：“也许”应为“是”或“否”。",
                  "第 3 行“掉落几率”列：“abc”不是整数。",
                  "第 3 行“挖取几率”列：“150”超出范围（0–100）。",
                  "第 3 行“收费模式”列：“银两”不是可选的收费模式（金币、元宝、金刚石、灵符）。",
                  "第 3 行“挖取费用”列：“-1”超出范围（0–2147483647）。",
                  "第 4 行“名称”列：名称不能为空。",
                  "第 5 行“名称”列：名称中含有路径分隔符“/”，文件会被写到 MonUseItems 目录以外。",
                  "第 5 行“发型”列：不能为空。",
                  "第 6 行“名称”列：“Boss”与第 7 行重名，这几行都不导入。",
                  "第 7 行“名称”列：“boss”与第 6 行重名，这几行都不导入。",
                  "第 8 行“技能”列：“技能”中的字符“\xF0\x9F\x94\xA5”无法用 GBK "
                  "编码保存，游戏服务端读不到它。",
                  "第 9 行有 5 个字段，标题行有 24 个。",
                  "第 10 行：引号有误，第 13 个字段的引号不在开头，这个字段应整个用引号括起来。",
                  "第 11 行“衣服”列：不能分成几行。",
              }));
    ASSERT_EQ(table.monsters.size(), 2u);
    EXPECT_EQ(table.monsters[0].profile.monsterName, "骷髅");
    EXPECT_EQ(table.monsters[1].profile.monsterName, "关技能");
    EXPECT_EQ(table.monsters[1].line, 13u);
    EXPECT_EQ(table.monsters[1].profile.useSkill, "")
        << "the window writes no skills while they are off";
    EXPECT_EQ(Texts(table.warnings),
              Fields{"第 13 行：“使用技能”为“否”，“技能”列的内容不会写入。"});
}

}  // namespace
}  // namespace vorn::testing
