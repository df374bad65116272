// The text of an INI document: "[section]" lines, "key=value" lines under
// them, blank lines and comments starting with ';' or '#'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_document.h"

namespace vorn::settings {

struct IniParse {
    IniDocument document;
    // The first line that is none of the above, as "第 N 行…"; the document is
    // then empty, since a file broken in one place may be broken in others.
    std::optional<std::string> problem;
};

// Lines end in CR LF, LF or CR; names and values lose surrounding blanks; the
// first of two equal keys in a section counts, as with Windows' own reader.
IniParse ParseIni(std::string_view utf8);

// CR LF line ends, a blank line between sections.
std::string FormatIni(const IniDocument& document);

}  // namespace vorn::settings
