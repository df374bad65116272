// Listing a monster folder: which files are monsters, what each row says,
// and the first problem of a file, read with the window's own reader.
#include "monsterfolder/monster_folder.h"

#include <gtest/gtest.h>

#include <map>

#include "monsterfolder/list_columns.h"
#include "native/monster_folder_fixture.h"

namespace vorn::testing {
namespace {

using monsterfolder::ListColumn;
using monsterfolder::MonsterRow;
using monsterfolder::RowProblem;

class MonsterFolderTest : public ::testing::Test {
protected:
    std::map<std::string, MonsterRow> Read(const monsterfolder::ItemNameCheck& known = {}) {
        monsterfolder::FolderReading reading =
            monsterfolder::ReadMonsterFolder(store, std::string(kFolder), known);
        EXPECT_FALSE(reading.error) << *reading.error;
        std::map<std::string, MonsterRow> rows;
        for (MonsterRow& row : reading.rows) rows.emplace(row.name, std::move(row));
        return rows;
    }

    void Put(std::string_view fileName, std::string_view bytes) {
        store.Put(InFolder(fileName), bytes);
    }
    void Put(const profile::MonsterProfile& monster) {
        Put(monster.monsterName + ".txt", MonsterFileBytes(monster));
    }

    MemoryFileStore store = FolderStore();
};

TEST_F(MonsterFolderTest, OnlyMonsterFilesBecomeRowsSummedUpAsTheWindowShowsThem) {
    profile::MonsterProfile skeleton = Monster("骷髅");
    skeleton.job = 1;
    skeleton.gender = 1;
    skeleton.dropUseItem = 1;
    skeleton.useItems[0] = "布衣";
    skeleton.useItems[1] = "木剑";
    skeleton.useItems[9] = "护身符甲";  // no box in the window: not counted, still searched
    Put(skeleton);
    profile::MonsterProfile king = Monster("Zombie King");
    king.butchUseItem = 1;
    Put(king);
    Put("zombie king-ITEM.TXT", ";x\r\n");      // its drop-rate file, in other letter case
    Put("骷髅-Item.txt", ";骷髅爆率文件\r\n");  // not a monster of its own
    Put("readme.md", "[Info]\r\n");
    Put("sub/inner.txt", MonsterFileBytes(Monster("inner")));
    Put("Upper.TXT", MonsterFileBytes(Monster("Upper")));

    const auto rows = Read();
    ASSERT_EQ(rows.size(), 3u);
    const MonsterRow& row = rows.at("骷髅");
    EXPECT_EQ(row.fileName, "骷髅.txt");
    ASSERT_TRUE(row.profile);
    EXPECT_EQ(row.profile->monsterName, "骷髅");
    EXPECT_EQ(row.equipped, 2);
    EXPECT_EQ(row.items, (std::vector<std::string>{"布衣", "木剑", "护身符甲"}));
    EXPECT_EQ(row.size, MonsterFileBytes(skeleton).size());

    std::vector<std::string> cells;
    for (ListColumn column : monsterfolder::kListColumns)
        cells.push_back(monsterfolder::CellText(row, column));
    EXPECT_EQ(cells, (std::vector<std::string>{"骷髅", "法师", "女", "是", "否", "2", "正常",
                                               "2024-05-01 16:01"}));
    EXPECT_EQ(monsterfolder::CellText(rows.at("Zombie King"), ListColumn::Digging), "是");
    EXPECT_EQ(rows.at("Zombie King").problem, RowProblem::None) << rows.at("Zombie King").status;
    EXPECT_EQ(rows.at("Upper").status, "正常");
}

// Every kind of problem, each named in a short sentence; a file with
// several problems names the first kind.
TEST_F(MonsterFolderTest, EachBrokenFileNamesItsFirstProblem) {
    profile::MonsterProfile digger = Monster("无掉落");
    digger.butchUseItem = 1;
    Put(digger);
    Put("坏码.txt", "[Info]\r\nUseItems0=\xCD\r\n");
    Put("控制.txt", std::string("\xFF\xFE[\0\0\0", 6));
    // "[Info]" in UTF-16, and UTF-8 holding U+1F600, which GBK lacks.
    Put("宽字.txt", std::string("\xFF\xFE[\0I\0n\0f\0o\0]\0", 14));
    Put("表情.txt", "[Info]\r\nUseSkill=\xF0\x9F\x98\x80\r\n");
    Put("空段.txt", "Job=1\r\n");
    Put("职业.txt",
        "[Info]\r\nJob=7\r\nJob=1\r\nButchUseItem=1\r\n");  // also repeated, also no drop file
    Put("空性别.txt", "[Info]\r\nGender= \r\n");
    Put("负率.txt", "[Info]\r\nDropUseItemRate=-5\r\n");
    Put("费用.txt", "[Info]\r\nButchChargeCount=5a\r\n");
    Put("高率.txt", "[Info]\r\nButchRate=150\r\n");
    Put("重复.txt", "[Info]\r\nHair=1\r\nhair=0\r\nButchUseItem=1\r\n");
    Put("重段.txt", "[Info]\r\n[UseItems]\r\n[INFO]\r\n");
    profile::MonsterProfile unknown = Monster("未知");
    unknown.useItems[4] = "神盔";
    Put(unknown);
    Put("锁.txt", "");
    store.unreadable[InFolder("锁.txt")] = "拒绝访问";
    store.vanished.insert(InFolder("消失.txt"));

    const auto rows = Read([](std::string_view item) { return item != "神盔"; });
    const std::map<std::string, std::pair<RowProblem, std::string>> expected = {
        {"无掉落", {RowProblem::NoDropFile, "允许挖取，但没有掉落文件 无掉落-Item.txt"}},
        {"坏码", {RowProblem::NotText,
                  "第 2 行既不是有效的 GBK 文本，也不是有效的 UTF-8 文本，游戏服务端会读错。"}},
        {"控制", {RowProblem::NotText, "这不是文本文件（其中有 NUL 等控制字节），不能作为怪物文件打开。"}},
        {"宽字", {RowProblem::OtherEncoding, "UTF-16 编码，游戏服务端只读 GBK：打开后重新生成即可"}},
        {"表情", {RowProblem::OtherEncoding, "字符“\xF0\x9F\x98\x80”无法用 GBK 编码保存"}},
        {"空段", {RowProblem::NoInfoSection, "没有 [Info] 段，不是人形怪的怪物文件"}},
        {"职业", {RowProblem::ValueOutOfRange, "Job=7 超出范围"}},
        {"空性别", {RowProblem::ValueOutOfRange, "Gender 没有值"}},
        {"负率", {RowProblem::ValueOutOfRange, "DropUseItemRate=-5 超出范围（0–100）"}},
        {"费用", {RowProblem::ValueOutOfRange, "ButchChargeCount=5a 不是整数"}},
        {"高率", {RowProblem::ValueOutOfRange, "ButchRate=150 超出范围（0–100）"}},
        {"重复", {RowProblem::RepeatedKey, "Hair 出现了不止一次，只有第一个起作用"}},
        {"重段", {RowProblem::RepeatedKey, "[Info] 段出现了不止一次，只有第一个起作用"}},
        {"未知", {RowProblem::UnknownItem, "未知物品“神盔”（头盔）"}},
        {"锁", {RowProblem::Unreadable, "无法读取：拒绝访问"}},
        {"消失", {RowProblem::Vanished, "文件已不存在（列出后被删除或改名）"}},
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (const auto& [name, problem] : expected) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(rows.contains(name));
        const MonsterRow& row = rows.at(name);
        EXPECT_EQ(row.problem, problem.first);
        EXPECT_EQ(row.status, problem.second);
        // Values are shown whenever the reader took the file.
        const bool read = problem.first >= RowProblem::OtherEncoding;
        EXPECT_EQ(row.profile.has_value(), read);
        EXPECT_EQ(monsterfolder::CellText(row, ListColumn::Job).empty(), !read);
    }
}

TEST_F(MonsterFolderTest, AFolderThatCannotBeListedGivesItsReasonAndNoRows) {
    monsterfolder::FolderReading missing = monsterfolder::ReadMonsterFolder(store, "mem/none");
    EXPECT_EQ(missing.error, "找不到文件夹：mem/none");
    EXPECT_TRUE(missing.rows.empty());
    store.unlistable[std::string(kFolder)] = "拒绝访问";
    monsterfolder::FolderReading locked =
        monsterfolder::ReadMonsterFolder(store, std::string(kFolder));
    EXPECT_EQ(locked.error, "无法读取文件夹：mem/MonUseItems\r\n原因：拒绝访问");
}

}  // namespace
}  // namespace vorn::testing
