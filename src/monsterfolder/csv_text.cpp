#include "monsterfolder/csv_text.h"

namespace vorn::monsterfolder {
namespace {

bool NeedsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

// Reads records one field at a time.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : text_(text) {}

    std::vector<CsvRow> ReadAll() {
        std::vector<CsvRow> rows;
        while (pos_ < text_.size()) {
            CsvRow row = ReadRow();
            const bool blank =
                row.fields.size() == 1 && row.fields[0].empty() && row.broken.empty();
            if (!blank) rows.push_back(std::move(row));
        }
        return rows;
    }

private:
    CsvRow ReadRow() {
        CsvRow row;
        row.line = line_;
        for (;;) {
            row.fields.push_back(ReadField(row));
            if (pos_ >= text_.size()) return row;
            const char c = text_[pos_];
            if (c == ',') {
                ++pos_;
                continue;
            }
            SkipLineEnd();
            return row;
        }
    }

    std::string ReadField(CsvRow& row) {
        const std::size_t number = row.fields.size() + 1;
        if (pos_ < text_.size() && text_[pos_] == '"') return ReadQuoted(row, number);
        std::string field;
        while (pos_ < text_.size() && !AtDelimiter()) {
            if (text_[pos_] == '"')
                Break(row, number, "的引号不在开头，这个字段应整个用引号括起来");
            field += text_[pos_++];
        }
        return field;
    }

    std::string ReadQuoted(CsvRow& row, std::size_t number) {
        const std::size_t openedOn = line_;
        ++pos_;
        std::string field;
        for (;;) {
            if (pos_ >= text_.size()) {
                Break(row, number,
                      "的引号从第 " + std::to_string(openedOn) + " 行开始，到文件末尾都没有闭合");
                return field;
            }
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == '\n' || (c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n'))) ++line_;
            field += c;
        }
        if (pos_ < text_.size() && !AtDelimiter()) {
            Break(row, number, "在闭合的引号后面还有文字");
            while (pos_ < text_.size() && !AtDelimiter()) field += text_[pos_++];
        }
        return field;
    }

    bool AtDelimiter() const {
        const char c = text_[pos_];
        return c == ',' || c == '\r' || c == '\n';
    }

    void SkipLineEnd() {
        if (text_[pos_] == '\r') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        ++line_;
    }

    static void Break(CsvRow& row, std::size_t field, const std::string& why) {
        if (row.broken.empty()) row.broken = "第 " + std::to_string(field) + " 个字段" + why;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

}  // namespace

std::string CsvRecord(std::span<const std::string> fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) record += ',';
        const std::string& field = fields[i];
        if (!NeedsQuotes(field)) {
            record += field;
            continue;
        }
        record += '"';
        for (char c : field) {
            if (c == '"') record += '"';
            record += c;
        }
        record += '"';
    }
    return record.append("\r\n");
}

std::vector<CsvRow> ParseCsv(std::string_view text) { return CsvReader(text).ReadAll(); }

}  // namespace vorn::monsterfolder
