#include "names/delimited_name_list.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "names/table_text.h"

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

// Splits RFC 4180 records one at a time. Physical lines are counted so a
// problem names the line a user sees in an editor.
class RecordSplitter {
public:
    RecordSplitter(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t line() const { return line_; }

    // The next record's fields; false with `problem` set when it is broken.
    bool Next(std::vector<std::string>& fields, std::string& problem) {
        fields.clear();
        const std::size_t startLine = line_;
        for (;;) {
            std::string field;
            if (!ReadField(field, startLine, problem)) return false;
            fields.push_back(std::move(field));
            if (AtEnd()) return true;
            const char c = text_[pos_++];
            if (c == delimiter_) continue;
            // A line end: CR LF counts as one.
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            ++line_;
            return true;
        }
    }

private:
    // Reads up to the next delimiter or line end, leaving pos_ on it.
    bool ReadField(std::string& field, std::size_t startLine, std::string& problem) {
        std::size_t start = pos_;
        while (start < text_.size() && (text_[start] == ' ' || (text_[start] == '\t' && delimiter_ != '\t')))
            ++start;
        if (start >= text_.size() || text_[start] != '"') {
            while (pos_ < text_.size() && text_[pos_] != delimiter_ && !IsLineEnd(text_[pos_])) ++pos_;
            field.assign(text_.substr(start, pos_ - start));
            return true;
        }
        pos_ = start + 1;
        for (;;) {
            if (pos_ >= text_.size()) {
                problem = LineText(startLine) + "开始的引号没有闭合";
                return false;
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
        while (pos_ < text_.size() && (text_[pos_] == ' ' || (text_[pos_] == '\t' && delimiter_ != '\t')))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] != delimiter_ && !IsLineEnd(text_[pos_])) {
            problem = LineText(line_) + "的引号字段后面还有别的字符（字段里的引号要写成两个）";
            return false;
        }
        return true;
    }

    std::string_view text_;
    char delimiter_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

bool IsBlankRecord(const std::vector<std::string>& fields) {
    return fields.size() == 1 && TrimBlanks(fields.front()).empty();
}

}  // namespace

NameListReading ReadDelimitedNames(std::string_view bytes) {
    const TableText text = DecodeTableText(bytes);
    if (!text.utf8) return NameListReading::Failed(text.problem);

    RecordSplitter records(*text.utf8, DetectDelimiter(*text.utf8));
    std::vector<std::string> fields;
    std::string problem;
    if (records.AtEnd()) return NameListReading::Failed("没有标题行，也没有任何名称");
    if (!records.Next(fields, problem)) return NameListReading::Failed(problem);
    const auto named = std::ranges::find_if(fields, IsNameColumn);
    const std::size_t column = named == fields.end() ? 0 : static_cast<std::size_t>(named - fields.begin());
    const std::string heading = fields[column];

    NameListReading reading;
    while (!records.AtEnd()) {
        const std::size_t line = records.line();
        if (!records.Next(fields, problem)) return NameListReading::Failed(problem);
        if (IsBlankRecord(fields)) continue;
        if (fields.size() <= column)
            return NameListReading::Failed(LineText(line) + "只有 " + std::to_string(fields.size()) +
                                           " 列，没有名称所在的第 " + std::to_string(column + 1) +
                                           " 列（“" + heading + "”）");
        const std::string_view name = TrimBlanks(fields[column]);
        if (name.find_first_of("\t\r\n") != std::string_view::npos)
            return NameListReading::Failed(LineText(line) + "的名称里有换行或制表符");
        if (!name.empty()) reading.names.emplace_back(name);
    }
    if (reading.names.empty())
        return NameListReading::Failed("标题行下面没有任何名称（名称列是“" + heading + "”）");
    return reading;
}

}  // namespace vorn::names
