// A table saved as CSV or TSV (a spreadsheet's "save as"): a header row, then
// one record a row. The delimiter is the one of tab, comma and semicolon that
// the header row holds most often; fields follow RFC 4180 (quotes around a
// field that holds the delimiter, a quote or a line break; a quote inside
// written twice). The names are the column headed "Name", "名称", "ItemName"
// or "物品名称" (any case), else the first column. Text as in ReadTextNames.
#pragma once

#include <string_view>

#include "names/name_list_reading.h"

namespace vorn::names {

// Refused: bytes that are no text, a quote left open or followed by more
// text, a row too short for the name column, no name below the header.
NameListReading ReadDelimitedNames(std::string_view bytes);

}  // namespace vorn::names
