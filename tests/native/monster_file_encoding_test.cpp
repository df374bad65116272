// Which encoding a monster file is read in. Every byte string is an escaped
// literal worked out by hand, so the cases do not lean on the converters
// they exercise.
#include "profile/monster_file_encoding.h"

#include <gtest/gtest.h>

#include "runtime/base/gbk.h"

namespace vorn::profile {
namespace {

using runtime::TextEncoding;

// "UseSkill=烈火" (烈 U+70C8, 火 U+706B) in every encoding an editor saves.
const std::string kSkillUtf8 = "UseSkill=\xE7\x83\x88\xE7\x81\xAB";

TEST(DecodeMonsterFile, EveryEncodingGivesTheSameText) {
    const std::pair<std::string, TextEncoding> kCases[] = {
        {"UseSkill=\xC1\xD2\xBB\xF0", TextEncoding::Gbk},
        {kSkillUtf8, TextEncoding::Utf8},
        {"\xEF\xBB\xBF" + kSkillUtf8, TextEncoding::Utf8WithBom},
        {std::string("\xFF\xFEU\0s\0e\0S\0k\0i\0l\0l\0=\0\xC8\x70\x6B\x70", 24),
         TextEncoding::Utf16Le},
        {std::string("\xFE\xFF\0U\0s\0e\0S\0k\0i\0l\0l\0=\x70\xC8\x70\x6B", 24),
         TextEncoding::Utf16Be},
        // A mark some editors put in front of GBK text.
        {"\xEF\xBB\xBFUseSkill=\xC1\xD2\xBB\xF0", TextEncoding::Gbk},
    };
    for (const auto& [bytes, encoding] : kCases) {
        const runtime::DecodedText decoded = DecodeMonsterFile(bytes);
        EXPECT_EQ(decoded.utf8, kSkillUtf8) << decoded.problem;
        EXPECT_EQ(decoded.encoding, encoding);
    }
    const runtime::DecodedText ascii = DecodeMonsterFile("[Info]\r\nJob=1\r\n");
    EXPECT_EQ(ascii.encoding, TextEncoding::Gbk) << "nothing to convert";
    EXPECT_EQ(ascii.utf8, "[Info]\r\nJob=1\r\n");
}

// Bytes that are valid GBK and valid UTF-8: GB2312's area decides.
TEST(DecodeMonsterFile, TextValidAsBothIsGbkOnlyInsideGb2312) {
    // 战士 in GBK, D5 BD CA BF: also the UTF-8 of U+057D U+02BF.
    const std::string warrior = "\xD5\xBD\xCA\xBF";
    // 屠龙 in UTF-8, E5 B1 A0 E9 BE 99: also GBK pairs E5B1 A0E9 BE99, the
    // last two outside GB2312 (lead A0, trail 99).
    const std::string dragon = "\xE5\xB1\xA0\xE9\xBE\x99";
    ASSERT_TRUE(runtime::GbkToUtf8(warrior) && runtime::GbkToUtf8(dragon)) << "both are GBK";

    const runtime::DecodedText gbk = DecodeMonsterFile("Item=" + warrior);
    EXPECT_EQ(gbk.encoding, TextEncoding::Gbk);
    EXPECT_EQ(gbk.utf8, "Item=\xE6\x88\x98\xE5\xA3\xAB");
    const runtime::DecodedText utf8 = DecodeMonsterFile("Item=" + dragon);
    EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
    EXPECT_EQ(utf8.utf8, "Item=" + dragon);

    // GBK that a lax UTF-8 check would also take, and then read as UTF-8:
    // ED A0 80 is a surrogate, F4 90 80 80 lies above U+10FFFF (0x80 alone
    // is the euro sign in code page 936).
    for (std::string_view bytes : {"A=\xED\xA0\x80", "A=\xF4\x90\x80\x80"}) {
        const runtime::DecodedText decoded = DecodeMonsterFile(bytes);
        EXPECT_TRUE(decoded.utf8) << decoded.problem;
        EXPECT_EQ(decoded.encoding, TextEncoding::Gbk);
    }
}

TEST(DecodeMonsterFile, BrokenTextNamesTheLineOfTheEncodingThatHeldOutLonger) {
    const std::pair<std::string, std::string_view> kCases[] = {
        // GBK (C1D2 is no UTF-8) broken on line 3 by a lone lead byte.
        {"\xC1\xD2\r\n\r\nA=\xCD\r\n", "第 3 行不是有效的 GBK 文本"},
        // UTF-8 (烈, E7 83 88, leaves 88 before the line end: no GBK) broken
        // on line 2 by an overlong "/".
        {"\xE7\x83\x88\nA=\xC0\xAF", "第 2 行不是有效的 UTF-8 文本"},
        {"[Info]\r\n\xFF", "第 2 行既不是有效的 GBK 文本，也不是有效的 UTF-8 文本"},
        {"\xEF\xBB\xBF\n\xFF", "第 2 行既不是"},
        {"\xFF\xFE[", "字节数为奇数"},
        {std::string("\xFE\xFF\xD8\x00\x00\x41", 6), "不成对的代理"},  // a high surrogate alone
    };
    for (const auto& [bytes, reason] : kCases) {
        const runtime::DecodedText decoded = DecodeMonsterFile(bytes);
        EXPECT_FALSE(decoded.utf8) << reason;
        EXPECT_NE(decoded.problem.find(reason), std::string::npos) << decoded.problem;
    }
}

}  // namespace
}  // namespace vorn::profile
