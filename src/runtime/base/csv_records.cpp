#include "runtime/base/csv_records.h"

namespace vorn::runtime {
namespace {

// Reads records one field at a time.
class CsvRecordReader {
public:
    CsvRecordReader(std::string_view text, CsvSyntax syntax) : text_(text), syntax_(syntax) {}

    std::vector<CsvTextRecord> ReadAll() {
        std::vector<CsvTextRecord> records;
        while (!AtEnd()) records.push_back(ReadRecord());
        return records;
    }

private:
    CsvTextRecord ReadRecord() {
        CsvTextRecord record;
        record.line = line_;
        for (;;) {
            record.fields.push_back(ReadField(record));
            if (AtEnd()) return record;
            const char c = text_[pos_++];
            if (c == syntax_.delimiter) continue;
            // A line end: CR LF counts as one.
            if (c == '\r' && !AtEnd() && text_[pos_] == '\n') ++pos_;
            ++line_;
            return record;
        }
    }

    // Reads up to the next delimiter or line end, leaving pos_ on it.
    std::string ReadField(CsvTextRecord& record) {
        const std::size_t number = record.fields.size() + 1;
        const std::size_t opening = SkipBlanks(pos_);
        if (opening < text_.size() && text_[opening] == '"') {
            pos_ = opening + 1;
            return ReadQuoted(record, number);
        }
        const std::size_t start = pos_;
        while (!AtEnd() && !AtFieldEnd()) {
            if (text_[pos_] == '"' && !syntax_.strayQuotesAreText) Flaw(record, CsvFlaw::kStrayQuote, number, line_);
            ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    // From just after the opening quote.
    std::string ReadQuoted(CsvTextRecord& record, std::size_t number) {
        const std::size_t openedOn = line_;
        std::string field;
        for (;;) {
            if (AtEnd()) {
                Flaw(record, CsvFlaw::kQuoteNeverClosed, number, openedOn);
                return field;
            }
            const char c = text_[pos_++];
            if (c == '"') {
                if (AtEnd() || text_[pos_] != '"') break;
                field += '"';
                ++pos_;
                continue;
            }
            if (c == '\n' || (c == '\r' && (AtEnd() || text_[pos_] != '\n'))) ++line_;
            field += c;
        }
        const std::size_t closed = pos_;
        pos_ = SkipBlanks(pos_);
        if (AtEnd() || AtFieldEnd()) return field;
        Flaw(record, CsvFlaw::kTextAfterClosingQuote, number, line_);
        while (!AtEnd() && !AtFieldEnd()) ++pos_;
        return field.append(text_.substr(closed, pos_ - closed));
    }

    // Where the blanks allowed around quotes starting at `at` end.
    std::size_t SkipBlanks(std::size_t at) const {
        if (!syntax_.blanksAroundQuotes) return at;
        while (at < text_.size() && (text_[at] == ' ' || (text_[at] == '\t' && syntax_.delimiter != '\t'))) ++at;
        return at;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }

    bool AtFieldEnd() const {
        const char c = text_[pos_];
        return c == syntax_.delimiter || c == '\r' || c == '\n';
    }

    // Keeps the record's first flaw.
    static void Flaw(CsvTextRecord& record, CsvFlaw flaw, std::size_t field, std::size_t line) {
        if (!record.Sound()) return;
        record.flaw = flaw;
        record.flawField = field;
        record.flawLine = line;
    }

    std::string_view text_;
    CsvSyntax syntax_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

}  // namespace

std::vector<CsvTextRecord> ReadCsvRecords(std::string_view text, CsvSyntax syntax) {
    return CsvRecordReader(text, syntax).ReadAll();
}

}  // namespace vorn::runtime
