// Expected file bytes for the generate tests, written as readable UTF-8 text
// and turned into GBK through a short table of the characters the files use.
// The table is written out from the GB2312 code chart, so the tests do not
// trust the program's own converter.
#pragma once

#include <string>
#include <string_view>

namespace vorn::e2e {

// ASCII bytes pass unchanged; every other character must be in the table.
// Throws std::invalid_argument naming a character the table lacks.
std::string ExpectedGbk(std::string_view utf8);

}  // namespace vorn::e2e
