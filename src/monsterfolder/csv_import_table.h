// Reading a monster list's CSV file back: the text in any of the encodings
// a spreadsheet saves (UTF-8 with or without a byte-order mark, GBK, UTF-16),
// columns found by their titles in any order, every cell held to what the
// window would take. Nothing is written here; see import_plan.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "monsterfolder/import_message.h"
#include "profile/monster_profile.h"

namespace vorn::monsterfolder {

struct ImportedMonster {
    std::size_t line = 0;  // the CSV line of its row
    // As the window would read it; slots 9 and 13 are empty (the CSV has no
    // column for them; an existing file keeps its own).
    profile::MonsterProfile profile;
};

struct ImportTable {
    std::vector<ImportedMonster> monsters;  // the rows without errors, in file order
    std::vector<ImportMessage> errors;      // rows left out, or the whole file
    std::vector<ImportMessage> warnings;    // taken, but worth a look
};

// Rows are refused for broken quoting, a wrong number of cells, a cell the
// window would not take (not a number, out of range, no such job, gender or
// currency, a bad name, text GBK cannot hold) and a name that another row
// has too. A file that cannot be decoded, has no rows or lacks a column
// gives one error and no monsters.
ImportTable ReadMonsterCsv(std::string_view bytes);

}  // namespace vorn::monsterfolder
