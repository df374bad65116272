// A plain list of names, one a line, as people keep them in a text editor:
// GBK, UTF-8 with or without its mark, or UTF-16 with its mark. Lines end in
// CR LF, LF or CR; spaces and tabs around a name are not part of it; empty
// lines and comment lines (first visible character ';' or '#', as in the
// server's own text files) are skipped.
#pragma once

#include <string_view>

#include "names/name_list_reading.h"

namespace vorn::names {

// Refused: bytes that are no text, or a text without a single name.
NameListReading ReadTextNames(std::string_view bytes);

}  // namespace vorn::names
