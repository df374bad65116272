// CSV text as RFC 4180 has it: fields separated by commas, records by line
// ends; a field holding a comma, a quote or a line end is quoted, with its
// quotes doubled. Reading (runtime/base/csv_records.h, strict) also takes LF
// or CR alone as a line end.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::monsterfolder {

// One record followed by CR LF.
std::string CsvRecord(std::span<const std::string> fields);

struct CsvRow {
    std::size_t line = 0;  // the text line the record starts on, from 1
    std::vector<std::string> fields;
    // Why the quoting of the record is broken, naming the field; empty when
    // it is sound. A broken record's fields are a guess.
    std::string broken;
};

// Every record; blank lines are left out. A quote that is never closed makes
// the record it opens broken and takes the rest of the text.
std::vector<CsvRow> ParseCsv(std::string_view text);

}  // namespace vorn::monsterfolder
