#include "runtime/base/gbk.h"

#include <gtest/gtest.h>

namespace vorn::runtime {
namespace {

TEST(Utf8ToGbk, AsciiAndEmptyPassUnchanged) {
    EXPECT_EQ(Utf8ToGbk(""), std::string());
    EXPECT_EQ(Utf8ToGbk("Job=0\r\nUseItems13=\r\n"), "Job=0\r\nUseItems13=\r\n");
    EXPECT_EQ(Utf8ToGbk("?"), "?");
}

TEST(Utf8ToGbk, ChineseBecomesTwoByteCodes) {
    EXPECT_EQ(Utf8ToGbk("怪物"), "\xB9\xD6\xCE\xEF");
    EXPECT_EQ(Utf8ToGbk("人型怪物"), "\xC8\xCB\xD0\xCD\xB9\xD6\xCE\xEF");
    EXPECT_EQ(Utf8ToGbk("爆率文件"), "\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE");
    // Full-width colon inside text, mixed with ASCII.
    EXPECT_EQ(Utf8ToGbk(";职业：战士"), ";\xD6\xB0\xD2\xB5\xA3\xBA\xD5\xBD\xCA\xBF");
    EXPECT_EQ(Utf8ToGbk("，"), "\xA3\xAC");
}

TEST(Utf8ToGbk, WindowsTableExtrasAreKept) {
    // Code page 936 gives the euro sign the single byte 0x80.
    EXPECT_EQ(Utf8ToGbk("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(Utf8ToGbk("\xC3\xA9"), "\xA8\xA6");  // é
}

TEST(Utf8ToGbk, CharactersWithoutCodeFailInsteadOfBecomingQuestionMarks) {
    EXPECT_EQ(Utf8ToGbk("\xF0\x9F\x98\x80"), std::nullopt);          // emoji
    EXPECT_EQ(Utf8ToGbk("屠龙\xF0\x9F\x98\x80刀"), std::nullopt);
    EXPECT_EQ(Utf8ToGbk("\xED\x95\x9C"), std::nullopt);              // Hangul 한
    EXPECT_EQ(Utf8ToGbk("\xF0\xA0\x80\x80"), std::nullopt);          // CJK extension B
    EXPECT_EQ(Utf8ToGbk("\xC2\xA5"), std::nullopt);                  // ¥ has no best fit here
    EXPECT_EQ(Utf8ToGbk("\xE2\x80\xA2"), std::nullopt);              // bullet
}

TEST(Utf8ToGbk, BrokenUtf8Fails) {
    EXPECT_EQ(Utf8ToGbk("\xFF"), std::nullopt);
    EXPECT_EQ(Utf8ToGbk("ab\xE6\x80"), std::nullopt);  // truncated sequence
    EXPECT_EQ(Utf8ToGbk("\xC0\xAF"), std::nullopt);    // overlong '/'
}

TEST(Utf8ToGbk, LongTextIsConvertedWhole) {
    std::string text;
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        text += "怪物a";
        expected += "\xB9\xD6\xCE\xEF" "a";
    }
    EXPECT_EQ(Utf8ToGbk(text), expected);
}

}  // namespace
}  // namespace vorn::runtime
