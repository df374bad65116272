#include "monsterfolder/csv_text.h"

#include "runtime/base/csv_records.h"

namespace vorn::monsterfolder {
namespace {

bool NeedsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

// Why a record's quoting is broken, naming the field.
std::string BrokenText(const runtime::CsvTextRecord& record) {
    const std::string field = "第 " + std::to_string(record.flawField) + " 个字段";
    switch (record.flaw) {
        case runtime::CsvFlaw::kNone:
            return "";
        case runtime::CsvFlaw::kStrayQuote:
            return field + "的引号不在开头，这个字段应整个用引号括起来";
        case runtime::CsvFlaw::kTextAfterClosingQuote:
            return field + "在闭合的引号后面还有文字";
        case runtime::CsvFlaw::kQuoteNeverClosed:
            return field + "的引号从第 " + std::to_string(record.flawLine) +
                   " 行开始，到文件末尾都没有闭合";
    }
    return "";
}

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

std::vector<CsvRow> ParseCsv(std::string_view text) {
    std::vector<CsvRow> rows;
    for (runtime::CsvTextRecord& record : runtime::ReadCsvRecords(text, runtime::CsvSyntax{})) {
        const bool blank = record.Sound() && record.fields.size() == 1 && record.fields[0].empty();
        if (!blank) rows.push_back({record.line, std::move(record.fields), BrokenText(record)});
    }
    return rows;
}

}  // namespace vorn::monsterfolder
