// Records of CSV-style text as RFC 4180 has them: fields split by one
// delimiter, records by line ends (CR LF, LF or a lone CR); a field that holds
// the delimiter, a quote or a line end is quoted, with its quotes doubled.
// Lines are counted as an editor shows them, line ends inside quotes too, so
// a message can name the line a user sees.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::runtime {

struct CsvSyntax {
    char delimiter = ',';
    // Blanks (spaces, and tabs unless the tab is the delimiter) may stand
    // before an opening and after a closing quote, as in hand-edited tables.
    // A field without quotes keeps its blanks.
    bool blanksAroundQuotes = false;
    // A quote inside a field that does not start with one is kept as text
    // instead of breaking the record.
    bool strayQuotesAreText = false;
};

enum class CsvFlaw {
    kNone,
    kStrayQuote,             // a quote inside a field that does not start with one
    kTextAfterClosingQuote,  // more than blanks between a closing quote and the delimiter
    kQuoteNeverClosed,       // a quote still open at the end of the text
};

struct CsvTextRecord {
    std::size_t line = 1;  // the line the record starts on, from 1
    std::vector<std::string> fields;
    // The record's first flaw; with one, its fields are a guess.
    CsvFlaw flaw = CsvFlaw::kNone;
    std::size_t flawField = 0;  // which field, from 1
    // The line of the flaw: for a quote never closed the line it opens on.
    std::size_t flawLine = 0;

    bool Sound() const { return flaw == CsvFlaw::kNone; }
};

// Every record, blank lines too (one empty field). A broken record does not
// end the reading, but a quote never closed takes the rest of the text.
std::vector<CsvTextRecord> ReadCsvRecords(std::string_view text, CsvSyntax syntax);

}  // namespace vorn::runtime
