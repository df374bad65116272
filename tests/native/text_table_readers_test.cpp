// The text and CSV readers of name tables: every encoding a hand-kept list
// arrives in, what counts as a name on a line, which CSV column holds the
// names, RFC 4180 quoting, and the refusals that keep a wrong list out.
#include <gtest/gtest.h>

#include "names/delimited_name_list.h"
#include "names/text_name_list.h"

namespace vorn::testing {
namespace {

using namespace std::string_literals;
using names::NameListReading;
using names::ReadDelimitedNames;
using names::ReadTextNames;
using Names = std::vector<std::string>;

void ExpectRefused(const NameListReading& reading, std::string_view reason) {
    EXPECT_TRUE(reading.names.empty());
    EXPECT_NE(reading.problem.find(reason), std::string::npos) << "problem: " << reading.problem;
}

TEST(TextNameList, EveryEncodingGivesTheSameNames) {
    const std::pair<std::string, std::string> kCases[] = {
        {"GBK", "\xC4\xBE\xBD\xA3\r\n\xCD\xC0\xC1\xFA\r\n"},
        {"UTF-8", "木剑\n屠龙\n"},
        {"UTF-8 with its mark", "\xEF\xBB\xBF木剑\r\n屠龙"},
        {"UTF-16LE", "\xFF\xFE\x28\x67\x51\x52\r\0\n\0\x60\x5C\x99\x9F"s},
        {"UTF-16BE", "\xFE\xFF\x67\x28\x52\x51\0\n\x5C\x60\x9F\x99\0\n"s},
    };
    for (const auto& [encoding, bytes] : kCases) {
        const NameListReading reading = ReadTextNames(bytes);
        EXPECT_EQ(reading.problem, "") << encoding;
        EXPECT_EQ(reading.names, (Names{"木剑", "屠龙"})) << encoding;
    }
}

TEST(TextNameList, BlanksLineEndsEmptyAndCommentLinesAreNoNames) {
    const NameListReading reading =
        ReadTextNames("; 武器\r\n  木剑\t \r\n\r\n\t\n# 首饰\r龙牙\rMagic Ring \n 井中月");
    EXPECT_EQ(reading.names, (Names{"木剑", "龙牙", "Magic Ring", "井中月"}));
    // Duplicates are the table's business, not the reader's.
    EXPECT_EQ(ReadTextNames("木剑\n木剑\n").names.size(), 2u);
}

TEST(TextNameList, RefusesWhatWouldGiveAWrongList) {
    ExpectRefused(ReadTextNames("木剑\n屠龙\t1\n"), "第 2 行中间有制表符");
    ExpectRefused(ReadTextNames("木剑\r\n\r\n屠龙\t1"), "第 3 行");  // CR LF is one line end
    ExpectRefused(ReadTextNames("\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s), "控制字符");
    ExpectRefused(ReadTextNames("\xC4\xBE\xBD"), "既不是");  // GBK cut in the middle of a character
    ExpectRefused(ReadTextNames("\xFF\xFE\x28\x67\x51"s), "不完整");
    ExpectRefused(ReadTextNames("; 只有注释\r\n\r\n   \r\n"), "没有任何名称");
}

TEST(DelimitedNameList, TakesTheNamedColumnWhateverTheDelimiter) {
    const std::pair<std::string, std::string> kCases[] = {
        {"comma", "Idx,Name,StdMode\r\n0,木剑,5\r\n1,屠龙,5\r\n"},
        {"tab", "Idx\tNAME\tStdMode\n0\t木剑\t5\n1\t屠龙\t5"},
        {"semicolon", "Idx;名称;StdMode\n0;木剑;5\n1;屠龙;5\n"},
        {"commas inside the header's quotes", "Idx\t\"a,b,c\"\tItemName\n0\tx\t木剑\n1\ty\t屠龙\n"},
        {"GBK, 物品名称", "Idx,\xCE\xEF\xC6\xB7\xC3\xFB\xB3\xC6\r\n0,\xC4\xBE\xBD\xA3\r\n1,\xCD\xC0\xC1\xFA\r\n"},
        {"no name column: the first", "Item,Idx\n木剑,0\n\n屠龙,1\n"},
    };
    for (const auto& [shape, bytes] : kCases) {
        const NameListReading reading = ReadDelimitedNames(bytes);
        EXPECT_EQ(reading.problem, "") << shape;
        EXPECT_EQ(reading.names, (Names{"木剑", "屠龙"})) << shape;
    }
}

TEST(DelimitedNameList, FollowsRfc4180Quoting) {
    const NameListReading reading = ReadDelimitedNames(
        "Name,Note\r\n"
        "\"木剑,初级\",\"一把\r\n木头剑\"\r\n"          // delimiter in the name, line break in another field
        "\"He said \"\"Hi\"\"\",x\r\n"                     // quotes written twice
        " \"屠龙\" ,\"\"\r\n"                              // blanks around the quotes
        "\"\",empty names are skipped\r\n"
        "Ring\"s,a lone quote inside stays\r\n");
    EXPECT_EQ(reading.problem, "");
    EXPECT_EQ(reading.names, (Names{"木剑,初级", "He said \"Hi\"", "屠龙", "Ring\"s"}));
}

TEST(DelimitedNameList, NamesTheLineOfEveryBrokenRow) {
    // Line numbers count the physical lines, also those inside quotes.
    ExpectRefused(ReadDelimitedNames("Name,Note\n木剑,\"a\nb\"\n\"屠龙,x\n龙牙,y\n"), "第 4 行开始的引号没有闭合");
    ExpectRefused(ReadDelimitedNames("Name,Note\n\"木剑\"x,y\n"), "第 2 行的引号字段后面还有别的字符");
    ExpectRefused(ReadDelimitedNames("Idx,Name\n0,木剑\n1\n"), "第 3 行只有 1 列，没有名称所在的第 2 列（“Name”）");
    ExpectRefused(ReadDelimitedNames("Name\n\"木\n剑\"\n"), "第 2 行的名称里有换行");
    ExpectRefused(ReadDelimitedNames("Idx,Name\n\n0,\n"), "标题行下面没有任何名称（名称列是“Name”）");
    ExpectRefused(ReadDelimitedNames("Name\n\0\n"s), "控制字符");
}

}  // namespace
}  // namespace vorn::testing
