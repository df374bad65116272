// The shared CSV record reader, for what its two users' tests do not reach:
// lone CR line ends, where a flaw is placed in a record of several lines, and
// which blanks may stand around quotes for which delimiter.
#include <gtest/gtest.h>

#include "runtime/base/csv_records.h"

namespace vorn::testing {
namespace {

using runtime::CsvFlaw;
using runtime::CsvSyntax;
using runtime::CsvTextRecord;
using runtime::ReadCsvRecords;
using Fields = std::vector<std::string>;

TEST(CsvRecords, LoneCrEndsARecordAndCountsAsALineInsideQuotes) {
    const std::vector<CsvTextRecord> records = ReadCsvRecords("a,\"b\rc\"\rd\r\n\re", CsvSyntax{});
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b\rc"}));
    EXPECT_EQ(records[1].fields, (Fields{"d"}));
    EXPECT_EQ(records[1].line, 3u);
    EXPECT_EQ(records[2].fields, (Fields{""}));
    EXPECT_EQ(records[3].line, 5u);
    for (const CsvTextRecord& record : records) EXPECT_TRUE(record.Sound());
}

TEST(CsvRecords, AFlawNamesItsOwnLineInARecordOfSeveral) {
    const std::vector<CsvTextRecord> records =
        ReadCsvRecords("x,\"1\n2\"tail,\"y\"z\n\"a\nb\",\"c\nd", CsvSyntax{});
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].flaw, CsvFlaw::kTextAfterClosingQuote);
    EXPECT_EQ(records[0].flawField, 2u) << "only the first flaw is kept";
    EXPECT_EQ(records[0].flawLine, 2u) << "where the quote closes, not where the record starts";
    EXPECT_EQ(records[0].fields, (Fields{"x", "1\n2tail", "yz"}));
    EXPECT_EQ(records[1].line, 3u);
    EXPECT_EQ(records[1].flaw, CsvFlaw::kQuoteNeverClosed);
    EXPECT_EQ(records[1].flawField, 2u);
    EXPECT_EQ(records[1].flawLine, 4u) << "the line the open quote is on";
    EXPECT_EQ(records[1].fields, (Fields{"a\nb", "c\nd"}));
}

TEST(CsvRecords, BlanksAroundQuotesAreNoTabsWhenTabIsTheDelimiter) {
    const CsvSyntax comma{.delimiter = ',', .blanksAroundQuotes = true};
    std::vector<CsvTextRecord> records = ReadCsvRecords(" \t\"a,b\" \t, c ,\"d\"", comma);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, (Fields{"a,b", " c ", "d"})) << "a field without quotes keeps its blanks";
    EXPECT_TRUE(records[0].Sound());

    const CsvSyntax tab{.delimiter = '\t', .blanksAroundQuotes = true};
    records = ReadCsvRecords("\t \"a\" \tb", tab);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, (Fields{"", "a", "b"}));
    EXPECT_TRUE(records[0].Sound());

    records = ReadCsvRecords("x, \"a\"", CsvSyntax{});
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].flaw, CsvFlaw::kStrayQuote) << "strict by default";
    EXPECT_EQ(records[0].fields, (Fields{"x", " \"a\""}));
}

}  // namespace
}  // namespace vorn::testing
