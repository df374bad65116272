// Bytes of the monster file and the drop-rate file as they land on disk. Every
// expected byte is written out here in GBK; the comment above each line gives
// the text it stands for.
#include <gtest/gtest.h>

#include "mainwindow/control_ids.h"
#include "native/monster_files_fixture.h"
#include "mainwindow/equip_slot.h"

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;

// The monster file of a fresh window with the name 骷髅 (F7BC F7C3).
const std::string kInitialFile =
    // ;;==============人型怪物 骷髅 配制文件=======================
    ";;==============\xC8\xCB\xD0\xCD\xB9\xD6\xCE\xEF \xF7\xBC\xF7\xC3 "
    "\xC5\xE4\xD6\xC6\xCE\xC4\xBC\xFE=======================\r\n"
    "[Info]\r\n"
    ";\xD6\xB0\xD2\xB5\xA3\xBA\xD5\xBD\xCA\xBF\r\n"  // ;职业：战士
    "Job=0\r\n"
    ";\xD0\xD4\xB1\xF0\xA3\xBA\xC4\xD0\r\n"  // ;性别：男
    "Gender=0\r\n"
    ";\xB7\xA2\xD0\xCD\r\n"  // ;发型
    "Hair=2\r\n"
    // ;是否掉装备，1=掉，0=不掉
    ";\xCA\xC7\xB7\xF1\xB5\xF4\xD7\xB0\xB1\xB8\xA3\xAC" "1=\xB5\xF4\xA3\xAC" "0=\xB2\xBB\xB5\xF4\r\n"
    "DropUseItem=0\r\n"
    ";\xD7\xB0\xB1\xB8\xB5\xF4\xC2\xE4\xBC\xB8\xC2\xCA%\r\n"  // ;装备掉落几率%
    "DropUseItemRate=0\r\n"
    // ;是否允许挖取身上装备 1=是，0=否
    ";\xCA\xC7\xB7\xF1\xD4\xCA\xD0\xED\xCD\xDA\xC8\xA1\xC9\xED\xC9\xCF\xD7\xB0\xB1\xB8 "
    "1=\xCA\xC7\xA3\xAC" "0=\xB7\xF1\r\n"
    "ButchUseItem=0\r\n"
    // ;挖取身上装备机率0为百分百，数字越大，机率越小(无论是否成功，都将会收取费用)
    ";\xCD\xDA\xC8\xA1\xC9\xED\xC9\xCF\xD7\xB0\xB1\xB8\xBB\xFA\xC2\xCA" "0\xCE\xAA\xB0\xD9\xB7\xD6"
    "\xB0\xD9\xA3\xAC\xCA\xFD\xD7\xD6\xD4\xBD\xB4\xF3\xA3\xAC\xBB\xFA\xC2\xCA\xD4\xBD\xD0\xA1("
    "\xCE\xDE\xC2\xDB\xCA\xC7\xB7\xF1\xB3\xC9\xB9\xA6\xA3\xAC\xB6\xBC\xBD\xAB\xBB\xE1\xCA\xD5"
    "\xC8\xA1\xB7\xD1\xD3\xC3)\r\n"
    "ButchRate=0\r\n"
    // ;挖取身上装备收费模式(0金币，1元宝，2金刚石，3灵符)
    ";\xCD\xDA\xC8\xA1\xC9\xED\xC9\xCF\xD7\xB0\xB1\xB8\xCA\xD5\xB7\xD1\xC4\xA3\xCA\xBD("
    "0\xBD\xF0\xB1\xD2\xA3\xAC" "1\xD4\xAA\xB1\xA6\xA3\xAC" "2\xBD\xF0\xB8\xD5\xCA\xAF\xA3\xAC"
    "3\xC1\xE9\xB7\xFB)\r\n"
    "ButchChargeClass=0\r\n"
    // ;挖取身上装备每次收费点数
    ";\xCD\xDA\xC8\xA1\xC9\xED\xC9\xCF\xD7\xB0\xB1\xB8\xC3\xBF\xB4\xCE\xCA\xD5\xB7\xD1\xB5\xE3"
    "\xCA\xFD\r\n"
    "ButchChargeCount=0\r\n"
    // ;使用魔法(2种技能之间用逗号隔开，例如：烈火剑法,半月弯刀,刺杀剑术)
    ";\xCA\xB9\xD3\xC3\xC4\xA7\xB7\xA8(2\xD6\xD6\xBC\xBC\xC4\xDC\xD6\xAE\xBC\xE4\xD3\xC3\xB6\xBA"
    "\xBA\xC5\xB8\xF4\xBF\xAA\xA3\xAC\xC0\xFD\xC8\xE7\xA3\xBA\xC1\xD2\xBB\xF0\xBD\xA3\xB7\xA8,"
    "\xB0\xEB\xD4\xC2\xCD\xE4\xB5\xB6,\xB4\xCC\xC9\xB1\xBD\xA3\xCA\xF5)\r\n"
    "UseSkill=\r\n"
    "[UseItems]\r\n"
    ";\xD2\xC2\xB7\xFE\r\n" "UseItems0=\r\n"            // ;衣服
    ";\xCE\xE4\xC6\xF7\r\n" "UseItems1=\r\n"            // ;武器
    ";\xD1\xAB\xD5\xC2\r\n" "UseItems2=\r\n"            // ;勋章
    ";\xCF\xEE\xC1\xB4\r\n" "UseItems3=\r\n"            // ;项链
    ";\xCD\xB7\xBF\xF8\r\n" "UseItems4=\r\n"            // ;头盔
    ";\xD7\xF3\xCA\xD6\xEF\xED\r\n" "UseItems5=\r\n"    // ;左手镯
    ";\xD3\xD2\xCA\xD6\xEF\xED\r\n" "UseItems6=\r\n"    // ;右手镯
    ";\xD7\xF3\xBD\xE4\xD6\xB8\r\n" "UseItems7=\r\n"    // ;左戒指
    ";\xD3\xD2\xBD\xE4\xD6\xB8\r\n" "UseItems8=\r\n"    // ;右戒指
    ";\xBB\xA4\xC9\xED\xB7\xFB\r\n" "UseItems9=\r\n"    // ;护身符
    ";\xD1\xFC\xB4\xF8\r\n" "UseItems10=\r\n"           // ;腰带
    ";\xD0\xAC\xD7\xD3\r\n" "UseItems11=\r\n"           // ;鞋子
    ";\xB1\xA6\xCA\xAF\r\n" "UseItems12=\r\n"           // ;宝石
    ";\xB6\xB7\xF3\xD2\r\n" "UseItems13=\r\n";          // ;斗笠

// ;骷髅爆率文件
const std::string kDropFile = ";\xF7\xBC\xF7\xC3\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n";

// The golden file with one run of bytes exchanged; the run must occur once.
std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at == std::string::npos) return text;
    EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

class MonsterFileTest : public GenerateFixture {
protected:
    MonsterFileTest() { Name("骷髅"); }
    std::string MonsterFile() { return Output("骷髅.txt").value_or("<missing>"); }
};

TEST_F(MonsterFileTest, InitialControlsWriteTheDefaultsAndNoDropFile) {
    Generate();
    EXPECT_EQ(MonsterFile(), kInitialFile);
    EXPECT_FALSE(Output("骷髅-Item.txt"));
    EXPECT_EQ(Snapshot(program.path()).size(), 2u);  // MonUseItems/ and the one file
    EXPECT_EQ(LastBoxTitle(), "生成提示：");
}

TEST_F(MonsterFileTest, EveryLineEndsWithCrLfAndThereIsNoBom) {
    Generate();
    const std::string file = MonsterFile();
    ASSERT_GE(file.size(), 2u);
    EXPECT_NE(file.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    std::size_t lines = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\n') {
            ++lines;
            EXPECT_TRUE(i > 0 && file[i - 1] == '\r') << "bare LF at " << i;
            EXPECT_FALSE(i + 2 < file.size() && file[i + 1] == '\r' && file[i + 2] == '\n')
                << "blank line at " << i;
        }
    }
    EXPECT_EQ(lines, 1u + 2u + 2u * 10u + 2u * 14u);
}

TEST_F(MonsterFileTest, JobGenderAndHairChoicesChangeTheirTwoLines) {
    Select(id::kJob, 1);
    Select(id::kGender, 1);
    Select(id::kHair, 0);
    Generate();
    std::string expected = Replaced(kInitialFile, "\xD5\xBD\xCA\xBF\r\nJob=0", "\xB7\xA8\xCA\xA6\r\nJob=1");
    expected = Replaced(expected, "\xC4\xD0\r\nGender=0", "\xC5\xAE\r\nGender=1");  // 男 -> 女
    expected = Replaced(expected, "Hair=2", "Hair=0");
    EXPECT_EQ(MonsterFile(), expected);

    Select(id::kJob, 2);
    Generate();
    EXPECT_NE(MonsterFile().find(";\xD6\xB0\xD2\xB5\xA3\xBA\xB5\xC0\xCA\xBF\r\nJob=2\r\n"),
              std::string::npos);  // ;职业：道士
}

TEST_F(MonsterFileTest, TheFourCurrenciesWriteTheirCodes) {
    for (int currency = 0; currency < 4; ++currency) {
        SCOPED_TRACE(currency);
        Select(id::kChargeClass, currency);
        Generate();
        const std::string code = std::to_string(currency);
        EXPECT_EQ(MonsterFile(), Replaced(kInitialFile, "ButchChargeClass=0\r\n",
                                          "ButchChargeClass=" + code + "\r\n"));
    }
}

TEST_F(MonsterFileTest, DiggingAllowedWritesTheOneLineDropFile) {
    Select(id::kButch, 1);
    Type(id::kButchRate, "30");
    Type(id::kChargeCount, "5000");
    Select(id::kChargeClass, 1);
    Generate();
    std::string expected = Replaced(kInitialFile, "ButchUseItem=0", "ButchUseItem=1");
    expected = Replaced(expected, "ButchRate=0", "ButchRate=30");
    expected = Replaced(expected, "ButchChargeClass=0", "ButchChargeClass=1");
    expected = Replaced(expected, "ButchChargeCount=0", "ButchChargeCount=5000");
    EXPECT_EQ(MonsterFile(), expected);
    EXPECT_EQ(Output("骷髅-Item.txt"), kDropFile);
}

TEST_F(MonsterFileTest, DroppingAloneWritesNoDropFile) {
    Select(id::kDrop, 1);
    Type(id::kDropRate, "20");
    Generate();
    std::string expected = Replaced(kInitialFile, "DropUseItem=0", "DropUseItem=1");
    expected = Replaced(expected, "DropUseItemRate=0", "DropUseItemRate=20");
    EXPECT_EQ(MonsterFile(), expected);
    EXPECT_FALSE(Output("骷髅-Item.txt"));
}

TEST_F(MonsterFileTest, RatesAboveHundredAreCappedOthersWrittenAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        {"100", "100"}, {"101", "100"}, {"150", "100"}, {"-5", "-5"},
        {"050", "050"}, {"abc", "abc"}, {"", ""},       {"\xEF\xBC\x91\xEF\xBC\x95\xEF\xBC\x90", "100"},
    };
    for (const auto& [typed, written] : cases) {
        SCOPED_TRACE(typed);
        Type(id::kDropRate, typed);
        Type(id::kButchRate, typed);
        Generate();
        std::string expected =
            Replaced(kInitialFile, "DropUseItemRate=0\r\n", "DropUseItemRate=" + std::string(written) + "\r\n");
        expected = Replaced(expected, "ButchRate=0\r\n", "ButchRate=" + std::string(written) + "\r\n");
        EXPECT_EQ(MonsterFile(), expected);
        EXPECT_EQ(window.Text(id::kDropRate), written);
        EXPECT_EQ(window.Text(id::kButchRate), written);
    }
}

TEST_F(MonsterFileTest, PlaceholderAndEmptySlotsWriteNoItem) {
    Type(id::kWeaponName, "");
    Type(id::kGemName, "屠龙");                  // CDC0 C1FA
    Type(id::kClothesName, "衣服名称 ");         // not the placeholder: one blank more
    Generate();
    std::string expected = Replaced(kInitialFile, "UseItems12=\r\n", "UseItems12=\xCD\xC0\xC1\xFA\r\n");
    expected = Replaced(expected, "UseItems0=\r\n", "UseItems0=\xD2\xC2\xB7\xFE\xC3\xFB\xB3\xC6 \r\n");
    EXPECT_EQ(MonsterFile(), expected);
}

TEST_F(MonsterFileTest, EverySlotWritesItsOwnNameBox) {
    for (const mainwindow::EquipSlot& slot : mainwindow::EquipSlots())
        if (slot.nameBox != 0) Type(slot.nameBox, std::string("x").append(std::to_string(slot.index)));
    Generate();
    std::string expected = kInitialFile;
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}) {
        const std::string key = "UseItems" + std::to_string(index) + "=";
        expected = Replaced(expected, key + "\r\n", key + std::string("x").append(std::to_string(index)).append("\r\n"));
    }
    EXPECT_EQ(MonsterFile(), expected);
}

TEST_F(MonsterFileTest, SkillListIsWrittenOnlyWhenSkillsAreOn) {
    Type(id::kSkills, "烈火剑法,半月弯刀");
    Generate();
    EXPECT_EQ(MonsterFile(), kInitialFile);

    Select(id::kSkillOn, 1);
    Generate();
    EXPECT_EQ(MonsterFile(),
              Replaced(kInitialFile, "UseSkill=\r\n",
                       "UseSkill=\xC1\xD2\xBB\xF0\xBD\xA3\xB7\xA8,\xB0\xEB\xD4\xC2\xCD\xE4\xB5\xB6\r\n"));

    Type(id::kSkills, "");
    Generate();
    EXPECT_EQ(MonsterFile(), kInitialFile);
}

TEST_F(MonsterFileTest, ChargeCountIsWrittenExactlyAsTyped) {
    Type(id::kChargeCount, " 0012x");
    Generate();
    EXPECT_EQ(MonsterFile(), Replaced(kInitialFile, "ButchChargeCount=0\r\n", "ButchChargeCount= 0012x\r\n"));
}

TEST_F(MonsterFileTest, EmptyNameLeavesTwoBlanksInTheHeader) {
    Name("");
    Select(id::kButch, 1);
    Generate();
    std::string expected = Replaced(kInitialFile, " \xF7\xBC\xF7\xC3 ", "  ");
    expected = Replaced(expected, "ButchUseItem=0", "ButchUseItem=1");
    EXPECT_EQ(Output(".txt"), expected);
    EXPECT_EQ(Output("-Item.txt"), ";\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n");  // ;爆率文件
}

TEST_F(MonsterFileTest, GeneratingAgainLeavesOneHeaderAndTheLatestContent) {
    Select(id::kButch, 1);
    Generate();
    Select(id::kJob, 2);
    Generate();
    const std::string expected = Replaced(Replaced(kInitialFile, "ButchUseItem=0", "ButchUseItem=1"),
                                          "\xD5\xBD\xCA\xBF\r\nJob=0", "\xB5\xC0\xCA\xBF\r\nJob=2");
    EXPECT_EQ(MonsterFile(), expected);
    EXPECT_EQ(Output("骷髅-Item.txt"), kDropFile);
    // No temporary files stay behind; the first version is in the history.
    EXPECT_EQ(Snapshot(monUseItems).size(), 5u);
    EXPECT_TRUE(Snapshot(monUseItems).contains("history/骷髅/20240501-160000.txt"));
}

TEST_F(MonsterFileTest, AShorterBodyTruncatesTheOldFile) {
    Select(id::kSkillOn, 1);
    Type(id::kSkills, std::string(3000, 'k'));
    Type(id::kGemName, std::string(500, 'g'));
    Generate();
    ASSERT_GT(MonsterFile().size(), kInitialFile.size() + 3000);

    Select(id::kSkillOn, 0);
    Type(id::kGemName, "宝石名称");
    Generate();
    EXPECT_EQ(MonsterFile(), kInitialFile);
}

}  // namespace
}  // namespace vorn::testing
