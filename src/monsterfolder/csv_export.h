// The monster list as a CSV file for a spreadsheet: UTF-8 with a byte-order
// mark (so Excel reads the Chinese right), a title row, one row a monster,
// CR LF after every row.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "monsterfolder/monster_row.h"

namespace vorn::monsterfolder {

struct CsvExport {
    std::string bytes;
    // Monsters whose files could not be read have no values to write; their
    // names, in the order given.
    std::vector<std::string> skipped;
};

// The rows named by `order` (indices into `rows`), in that order.
CsvExport ExportMonsterCsv(const std::vector<MonsterRow>& rows, std::span<const std::size_t> order);

}  // namespace vorn::monsterfolder
