#include "names/delimited_name_list.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "names/table_text.h"
#include "runtime/base/csv_records.h"

namespace vorn::names {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string LineText(std::size_t line) { return "第 " + std::to_string(line) + " 行"; }

// The delimiter the header row (up to its first line end outside quotes)
// holds most often; on a tie the earlier of tab, comma, semicolon.
char DetectDelimiter(std::string_view text) {
    constexpr std::array<char, 3> kCandidates = {'\t', ',', ';'};
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (IsLineEnd(c)) break;
        for (std::size_t i = 0; i < kCandidates.size(); ++i)
            if (c == kCandidates[i]) ++counts[i];
    }
    const auto most = std::ranges::max_element(counts);  // the first of equal counts
    return *most == 0 ? ',' : kCandidates[static_cast<std::size_t>(most - counts.begin())];
}

// Why a record's quoting is broken, naming the line.
std::string BrokenText(const runtime::CsvTextRecord& record) {
    if (record.flaw == runtime::CsvFlaw::kQuoteNeverClosed)
        return LineText(record.flawLine) + "开始的引号没有闭合";
    return LineText(record.flawLine) + "的引号字段后面还有别的字符（字段里的引号要写成两个）";
}

bool IsBlankRecord(const std::vector<std::string>& fields) {
    return fields.size() == 1 && TrimBlanks(fields.front()).empty();
}

}  // namespace

NameListReading ReadDelimitedNames(std::string_view bytes) {
    const TableText text = DecodeTableText(bytes);
    if (!text.utf8) return NameListReading::Failed(text.problem);

    // Hand-edited tables: blanks around quotes, and a quote inside a name as text.
    const runtime::CsvSyntax syntax{.delimiter = DetectDelimiter(*text.utf8),
                                    .blanksAroundQuotes = true,
                                    .strayQuotesAreText = true};
    const std::vector<runtime::CsvTextRecord> records = runtime::ReadCsvRecords(*text.utf8, syntax);
    if (records.empty()) return NameListReading::Failed("没有标题行，也没有任何名称");
    const runtime::CsvTextRecord& header = records.front();
    if (!header.Sound()) return NameListReading::Failed(BrokenText(header));
    const auto named = std::ranges::find_if(header.fields, IsNameColumn);
    const std::size_t column =
        named == header.fields.end() ? 0 : static_cast<std::size_t>(named - header.fields.begin());
    const std::string heading(TrimBlanks(header.fields[column]));

    NameListReading reading;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const runtime::CsvTextRecord& record = records[i];
        if (!record.Sound()) return NameListReading::Failed(BrokenText(record));
        const std::vector<std::string>& fields = record.fields;
        if (IsBlankRecord(fields)) continue;
        if (fields.size() <= column)
            return NameListReading::Failed(LineText(record.line) + "只有 " + std::to_string(fields.size()) +
                                           " 列，没有名称所在的第 " + std::to_string(column + 1) +
                                           " 列（“" + heading + "”）");
        const std::string_view name = TrimBlanks(fields[column]);
        if (name.find_first_of("\t\r\n") != std::string_view::npos)
            return NameListReading::Failed(LineText(record.line) + "的名称里有换行或制表符");
        if (!name.empty()) reading.names.emplace_back(name);
    }
    if (reading.names.empty())
        return NameListReading::Failed("标题行下面没有任何名称（名称列是“" + heading + "”）");
    return reading;
}

}  // namespace vorn::names
