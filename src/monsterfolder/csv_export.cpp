#include "monsterfolder/csv_export.h"

#include "monsterfolder/csv_text.h"
#include "monsterfolder/monster_csv_columns.h"

namespace vorn::monsterfolder {

CsvExport ExportMonsterCsv(const std::vector<MonsterRow>& rows,
                           std::span<const std::size_t> order) {
    CsvExport result;
    result.bytes = "\xEF\xBB\xBF";
    const std::vector<std::string_view>& titles = MonsterCsvTitles();
    result.bytes += CsvRecord(std::vector<std::string>(titles.begin(), titles.end()));
    for (std::size_t index : order) {
        const MonsterRow& row = rows.at(index);
        if (row.profile)
            result.bytes += CsvRecord(MonsterCsvCells(*row.profile));
        else
            result.skipped.push_back(row.name);
    }
    return result;
}

}  // namespace vorn::monsterfolder
