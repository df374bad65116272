#include "profile/monster_name.h"

#include <gtest/gtest.h>

namespace vorn::profile {
namespace {

TEST(MonsterName, FileNamesAppendTheSuffixes) {
    EXPECT_EQ(MonsterFileName("骷髅"), "骷髅.txt");
    EXPECT_EQ(DropRateFileName("骷髅"), "骷髅-Item.txt");
    EXPECT_EQ(MonsterFileName(""), ".txt");
    EXPECT_EQ(DropRateFileName(""), "-Item.txt");
}

TEST(MonsterName, OrdinaryNamesAreAccepted) {
    for (const char* name : {"", "骷髅", "Skeleton King", "a..b", "..a", " lead", "v1.2",
                             "CONX", "COM10", "LPT", "COMA", "con-x", "nul_", "#1 (elite)",
                             "100%", "a+b=c", "骷髅·王", "x~y"}) {
        EXPECT_EQ(MonsterNameProblem(name), std::nullopt) << name;
    }
}

TEST(MonsterName, PathSeparatorsAreRefused) {
    for (const char* name : {"a/b", "a\\b", "../escape", "..\\escape", "/abs", "C:\\x", "\\\\server\\s"}) {
        const auto problem = MonsterNameProblem(name);
        ASSERT_TRUE(problem) << name;
        EXPECT_NE(problem->find("分隔符"), std::string::npos) << *problem;
    }
}

TEST(MonsterName, DotOnlyNamesAreRefused) {
    for (const char* name : {".", "..", "..."}) {
        const auto problem = MonsterNameProblem(name);
        ASSERT_TRUE(problem) << name;
        EXPECT_NE(problem->find("点"), std::string::npos) << *problem;
    }
}

TEST(MonsterName, CharactersWindowsForbidsAreRefusedAndNamed) {
    for (char c : std::string_view("<>:\"|?*")) {
        const std::string name = std::string("a") + c + "b";
        const auto problem = MonsterNameProblem(name);
        ASSERT_TRUE(problem) << name;
        EXPECT_NE(problem->find(std::string("“") + c + "”"), std::string::npos) << *problem;
    }
    EXPECT_TRUE(MonsterNameProblem("C:"));   // a drive
    EXPECT_TRUE(MonsterNameProblem("D:x"));
}

TEST(MonsterName, ControlCharactersAreRefused) {
    for (const std::string& name : {std::string("a\tb"), std::string("a\x01"), std::string("\x1F"),
                                   std::string("a\rb"), std::string("a\nb"), std::string("a\0b", 3)}) {
        const auto problem = MonsterNameProblem(name);
        ASSERT_TRUE(problem);
        EXPECT_NE(problem->find("控制字符"), std::string::npos) << *problem;
    }
}

TEST(MonsterName, TrailingDotOrBlankIsRefused) {
    for (const char* name : {"abc.", "abc ", "骷髅 ", "a. ", "a ."}) {
        const auto problem = MonsterNameProblem(name);
        ASSERT_TRUE(problem) << name;
        EXPECT_NE(problem->find("结尾"), std::string::npos) << *problem;
    }
}

TEST(MonsterName, DeviceNamesAreRefusedWithOrWithoutExtension) {
    for (const char* name : {"CON", "con", "Prn", "AUX", "nul", "COM1", "com9", "COM0", "LPT1",
                             "lpt9", "CON.x", "nul.anything", "COM1.abc", "CON .x", "Aux .txt",
                             "COM\xC2\xB9", "lpt\xC2\xB3", "CONIN$", "conout$"}) {
        const auto problem = MonsterNameProblem(name);
        ASSERT_TRUE(problem) << name;
        EXPECT_NE(problem->find("设备名"), std::string::npos) << *problem;
    }
}

}  // namespace
}  // namespace vorn::profile
