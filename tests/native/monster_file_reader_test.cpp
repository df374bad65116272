// Reading monster files as the game server reads them, and writing back what
// was read. File bytes are GBK escapes, so the tests do not lean on the
// converter they exercise.
#include "profile/monster_file_reader.h"

#include <gtest/gtest.h>

#include <tuple>

#include "profile/monster_text.h"
#include "runtime/base/gbk.h"

namespace vorn::profile {
namespace {

using Lines = std::vector<std::string>;

const std::string kFireUtf8 = "\xE7\x83\x88\xE7\x81\xAB";  // 烈火

MonsterFile Read(std::string_view bytes) {
    MonsterFileReading reading = ReadMonsterFile(bytes);
    EXPECT_TRUE(reading.file) << reading.error;
    return reading.file.value_or(MonsterFile{});
}

bool Noted(const MonsterFile& file, std::string_view text) {
    for (const FileNote& note : file.notes)
        if (note.text.find(text) != std::string::npos) return true;
    return false;
}

TEST(ReadMonsterFile, KeysInAnyCaseAfterAnyLineEnd) {
    MonsterProfile expected;
    expected = {2, 1, 1, 1, "30", 1, "20", 3, "88", true, kFireUtf8, {}, ""};
    expected.useItems[1] = "\xE5\xB1\xA0\xE9\xBE\x99";  // 屠龙
    expected.useItems[9] = "a";
    for (std::string_view end : {"\r\n", "\n", "\r"}) {
        std::string bytes;
        for (std::string_view line :
             {"[info]", "JOB=2", "gender=1", "Hair = 1 ", "DropUseItem=1", "dropuseitemrate=30",
              "ButchUseItem=1", "ButchRate=20", "ButchChargeClass=3", "ButchChargeCount=88",
              "UseSkill=\xC1\xD2\xBB\xF0", " [ UseItems ] ", "useitems1=\xCD\xC0\xC1\xFA", "UseItems9=a"})
            bytes.append(line).append(end);
        const MonsterFile file = Read(bytes);
        EXPECT_EQ(file.profile, expected);
        EXPECT_TRUE(file.extras.empty());
        EXPECT_TRUE(file.notes.empty());
    }
}

TEST(ReadMonsterFile, LinesTheProgramDoesNotWriteStayInTheirSection) {
    const MonsterFile file = Read(
        ";own\n;;==============\xC8\xCB\xD0\xCD\xB9\xD6\xCE\xEF old \xC5\xE4\xD6\xC6\xCE\xC4\xBC\xFE"
        "=======================\n[Info]\n;\xD6\xB0\xD2\xB5\xA3\xBA\xB7\xA8\xCA\xA6\nJob=1\njob=2\n"
        "MonGen=3\n\n[Other]\nGender=1\n[UseItems]\n;\xD2\xC2\xB7\xFE\nUseItems0=a\n"
        ";\xD2\xC2\xB7\xFE\nUseItems14=b\n[INFO]\nHair=0\n");
    EXPECT_EQ(file.profile.job, 1) << "the first of two keys counts";
    EXPECT_EQ(file.profile.gender, 0) << "a key of another section is not read";
    EXPECT_EQ(file.profile.hair, 2) << "a second [Info] is not read";
    // The header line and the first comment above a key are the program's own.
    EXPECT_EQ(file.extras.preamble, Lines{";own"});
    EXPECT_EQ(file.extras.info, (Lines{"job=2", "MonGen=3", "", "[Other]", "Gender=1"}));
    EXPECT_EQ(file.extras.useItems, (Lines{";\xE8\xA1\xA3\xE6\x9C\x8D", "UseItems14=b", "[INFO]", "Hair=0"}));
    EXPECT_TRUE(Noted(file, "job=2"));
    EXPECT_TRUE(Noted(file, "[Info]"));
}

TEST(ReadMonsterFile, ValuesNoListItemHasShowTheFirstItemAndAreNamed) {
    const MonsterFile file = Read(
        "[Info]\r\nJob=7\r\nGender=\r\nHair=x\r\nButchChargeClass=-1\r\nDropUseItemRate=150\r\n");
    EXPECT_EQ(std::vector({file.profile.job, file.profile.gender, file.profile.hair,
                           file.profile.butchChargeClass}),
              std::vector({0, 0, 0, 0}));
    EXPECT_EQ(file.profile.dropUseItemRate, "150") << "taken as written, capped when generating";
    for (std::string_view line :
         {"Job=7", "Gender=", "Hair=x", "ButchChargeClass=-1", "DropUseItemRate=150"})
        EXPECT_TRUE(Noted(file, line)) << line;
    // Keys that are not there show the window's initial values; named too.
    EXPECT_TRUE(Noted(file, "DropUseItem=0、ButchUseItem=0、ButchRate=0、ButchChargeCount=0\r\n"
                            "    UseSkill="));
    EXPECT_EQ(file.notes.size(), 6u);
}

// The encoding says where the tip line tells it; only a mark in front of GBK
// text, which the next generation drops, is a note.
TEST(ReadMonsterFile, ByteOrderMarkBeforeGbkOrUtf8) {
    using runtime::TextEncoding;
    const std::pair<std::string_view, TextEncoding> kSkills[] = {
        {"\xC1\xD2\xBB\xF0", TextEncoding::Gbk},
        {"\xE7\x83\x88\xE7\x81\xAB", TextEncoding::Utf8WithBom},
    };
    for (const auto& [skill, encoding] : kSkills) {
        const MonsterFile file = Read("\xEF\xBB\xBF[Info]\r\nUseSkill=" + std::string(skill));
        EXPECT_EQ(file.profile.useSkill, kFireUtf8);
        EXPECT_EQ(file.encoding, encoding);
        EXPECT_EQ(Noted(file, "BOM"), encoding == TextEncoding::Gbk);
    }
}

// Text from UTF-8 or UTF-16 may hold characters GBK cannot: the file opens,
// and each such line is named with where to change it; a list code is
// written as a number and needs no change.
TEST(ReadMonsterFile, CharactersGbkCannotHoldAreNamedWithTheirLine) {
    const std::string smile = "\xF0\x9F\x98\x80";  // U+1F600
    const std::string hangul = "\xED\x95\x9C";      // U+D55C
    const MonsterFile file = Read("[Info]\r\nJob=" + smile + "\r\nUseSkill=" + hangul +
                                  "\r\nMonGen=" + smile + "\r\n[UseItems]\r\nUseItems9=" + smile +
                                  "\r\nUseItems1=\xE5\xB1\xA0\xE9\xBE\x99\r\n");
    EXPECT_EQ(file.encoding, runtime::TextEncoding::Utf8);
    EXPECT_EQ(file.profile.useSkill, hangul);
    EXPECT_EQ(file.profile.useItems[9], smile);
    EXPECT_EQ(file.profile.useItems[1], "\xE5\xB1\xA0\xE9\xBE\x99");
    std::vector<std::tuple<std::string, std::string, std::string>> named;
    for (const FileNote& note : file.notes)
        if (note.kind == FileNote::Kind::NotGbkCharacter)
            named.emplace_back(note.key, note.value, note.text);
    const std::string cannot = "”无法用 GBK 编码保存，";
    const std::string inFile = "窗口中不显示这一行，生成前请在原文件中改掉它。";
    EXPECT_EQ(named, (std::vector<std::tuple<std::string, std::string, std::string>>{
                         {"UseSkill", hangul, "第 3 行的字符“" + hangul + cannot + "生成前请在窗口中改掉它。"},
                         {"", smile, "第 4 行的字符“" + smile + cannot + inFile},
                         {"UseItems9", smile, "第 6 行的字符“" + smile + cannot + inFile},
                     }));
    EXPECT_TRUE(Noted(file, "Job=" + smile)) << "shown as the list's first item";

    // Eight lines are named, then one note says there are more.
    std::string many = "[Info]\r\n";
    for (int n = 0; n < 10; ++n) many += "MonGen=" + smile + "\r\n";
    const MonsterFile manyFile = Read(many);
    ASSERT_EQ(manyFile.notes.size(), 10u);  // and the missing keys
    EXPECT_TRUE(manyFile.notes[7].text.starts_with("第 9 行的字符")) << manyFile.notes[7].text;
    EXPECT_EQ(manyFile.notes[8].text, "第 10 行起还有字符无法用 GBK 编码保存。");
}

TEST(ReadMonsterFile, RefusesWhatIsNoMonsterText) {
    using Refusal = MonsterFileReading::Refusal;
    const std::tuple<std::string, std::string_view, Refusal> kCases[] = {
        {std::string("[Info]\r\nJob=1\0\r\n", 16), "控制字节", Refusal::NotText},
        // UTF-16 "[<NUL>": the NUL is a character, not half of one.
        {std::string("\xFF\xFE[\0\0\0", 6), "控制字节", Refusal::NotText},
        {"\xFF\xFE[", "字节数为奇数", Refusal::NotDecodable},
        {"[Info]\r\nUseItems0=\xCD\r\n", "第 2 行既不是有效的 GBK",
         Refusal::NotDecodable},  // lead byte alone
        {"[Info]\r\nUseSkill=\xC1\xD2\r\nUseItems0=\xFF\xFF", "第 3 行不是有效的 GBK",
         Refusal::NotDecodable},  // GBK (烈 is no UTF-8), then no such code
        {"\xEF\xBB\xBF[Info]\r\n\xFF", "第 2 行既不是", Refusal::NotDecodable},
        {"Job=1\r\n[Infos]\r\n", "没有 [Info]", Refusal::NoInfoSection},
    };
    for (const auto& [bytes, reason, refusal] : kCases) {
        const MonsterFileReading reading = ReadMonsterFile(bytes);
        EXPECT_FALSE(reading.file);
        EXPECT_EQ(reading.refusal, refusal) << reason;
        EXPECT_NE(reading.error.find(reason), std::string::npos) << reading.error;
    }
    EXPECT_EQ(ReadMonsterFile("[Info]\r\n").refusal, Refusal::None);
}

// A list of many monsters tells the kinds of notes apart without reading
// their sentences: which key, which value.
TEST(ReadMonsterFile, NotesSayTheirKindKeyAndValue) {
    const MonsterFile file = Read(
        "\xEF\xBB\xBF[Info]\r\nGender=5\r\nDropUseItemRate=150\r\nJOB=1\r\njob=2\r\nJob=0\r\n"
        "UseSkill=\xC1\xD2\xBB\xF0\r\n"
        "[UseItems]\r\nuseitems3=a\r\nUseItems3=b\r\n[useitems]\r\n");
    using Kind = FileNote::Kind;
    std::vector<std::tuple<Kind, std::string, std::string>> notes;
    for (const FileNote& note : file.notes) notes.emplace_back(note.kind, note.key, note.value);
    EXPECT_EQ(notes, (std::vector<std::tuple<Kind, std::string, std::string>>{
                         {Kind::ByteOrderMark, "", ""},
                         {Kind::NotInList, "Gender", "5"},
                         {Kind::RateAbove100, "DropUseItemRate", "150"},
                         {Kind::RepeatedKey, "Job", ""},
                         {Kind::RepeatedKey, "UseItems3", ""},
                         {Kind::RepeatedSection, "UseItems", ""},
                         {Kind::MissingKeys, "", ""},
                     }));
    EXPECT_NE(file.notes[3].text.find("同样的还有 1 处"), std::string::npos) << file.notes[3].text;
}

// Write, read, write again: the same bytes, over every code, rates 0, 7 and
// 100, fees, skills on and off, items in every slot, names with CJK and
// blanks, and kept lines in every section.
TEST(MonsterFileRoundTrip, WriteReadWriteGivesTheSameBytes) {
    const std::string names[] = {"Boss", "\xE8\xB5\xA4\xE6\x9C\x88 \xE6\x81\xB6", " a b "};
    const std::string rates[] = {"0", "7", "100"};
    const ExtraLines kept = {{";note"}, {"MonGen=3", "", "[Other]", "Job=2"}, {";x", "Job=1"}};
    for (int n = 0; n < 72; ++n) {
        MonsterProfile profile;
        profile.job = n % 3;
        profile.gender = n / 3 % 2;
        profile.hair = n / 6 % 3;
        profile.butchChargeClass = n / 18 % 4;
        profile.dropUseItem = n % 2;
        profile.butchUseItem = n / 2 % 2;
        profile.dropUseItemRate = rates[n % 3];
        profile.butchRate = rates[n / 4 % 3];
        profile.butchChargeCount = std::to_string(n * 1000);
        profile.useSkillOn = n % 2 == 0;
        if (profile.useSkillOn) profile.useSkill = kFireUtf8 + ",a b";
        for (int slot = 0; slot < kSlotCount; ++slot)
            if ((n + slot) % 3) profile.useItems[static_cast<std::size_t>(slot)] = kFireUtf8 + std::to_string(slot);
        profile.monsterName = names[n % 3];
        const ExtraLines extras = n % 4 == 0 ? kept : ExtraLines{};

        const auto write = [&](const MonsterProfile& p, const ExtraLines& e) {
            return runtime::Utf8ToGbk(MonsterHeaderLine(profile.monsterName) + MonsterBody(p, e));
        };
        const std::optional<std::string> bytes = write(profile, extras);
        ASSERT_TRUE(bytes);
        const MonsterFile file = Read(*bytes);
        EXPECT_EQ(file.extras, extras);
        EXPECT_EQ(write(file.profile, file.extras), bytes) << "profile " << n;
    }
}

}  // namespace
}  // namespace vorn::profile
