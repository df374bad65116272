#include "monsterfolder/csv_import_table.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "monsterfolder/csv_text.h"
#include "monsterfolder/monster_csv_columns.h"
#include "profile/ini_syntax.h"
#include "profile/monster_name.h"
#include "runtime/base/text_encoding.h"

namespace vorn::monsterfolder {
namespace {

// A sentence ends in one full stop.
std::string Sentence(std::string text) {
    if (!text.ends_with("。")) text += "。";
    return text;
}

class TableReader {
public:
    explicit TableReader(ImportTable& table) : table_(table) {}

    // Finds each column's place from the title row; false when one is missing.
    bool ReadTitles(const CsvRow& titles) {
        const std::vector<std::string_view>& known = MonsterCsvTitles();
        places_.assign(known.size(), std::nullopt);
        width_ = titles.fields.size();
        if (!titles.broken.empty()) {
            Error(titles.line, LineText(titles.line) + "（标题行）：" + titles.broken + "。");
            return false;
        }
        for (std::size_t place = 0; place < titles.fields.size(); ++place) {
            const std::string_view title = profile::TrimBlanks(titles.fields[place]);
            std::size_t column = 0;
            while (column < known.size() && known[column] != title) ++column;
            if (column == known.size()) {
                table_.warnings.push_back({titles.line, LineText(titles.line) + "：不认识的列“" +
                                                            std::string(title) +
                                                            "”，导入时忽略。"});
            } else if (places_[column]) {
                Error(titles.line,
                      LineText(titles.line) + "：“" + std::string(title) + "”列出现了两次。");
                return false;
            } else {
                places_[column] = place;
            }
        }
        std::string missing;
        for (std::size_t column = 0; column < known.size(); ++column)
            if (!places_[column]) missing.append(missing.empty() ? "" : "、").append(known[column]);
        if (!missing.empty()) {
            Error(titles.line, LineText(titles.line) + "：缺少列 " + missing + "，无法导入。");
            return false;
        }
        return true;
    }

    void ReadRow(const CsvRow& row) {
        const std::string at = LineText(row.line);
        if (!row.broken.empty()) return Error(row.line, at + "：引号有误，" + row.broken + "。");
        if (row.fields.size() != width_)
            return Error(row.line, at + "有 " + std::to_string(row.fields.size()) +
                                       " 个字段，标题行有 " + std::to_string(width_) + " 个。");
        const std::vector<std::string_view>& titles = MonsterCsvTitles();
        ImportedMonster monster{row.line, {}};
        bool taken = true;
        for (std::size_t column = 0; column < titles.size(); ++column) {
            const std::string& cell = row.fields[*places_[column]];
            if (auto problem = TakeMonsterCsvCell(column, cell, monster.profile)) {
                Error(row.line,
                      Sentence(at + "“" + std::string(titles[column]) + "”列：" + *problem));
                taken = false;
            }
        }
        if (!taken) return;
        // The window writes no skills while its switch is off.
        if (!monster.profile.useSkillOn && !monster.profile.useSkill.empty()) {
            table_.warnings.push_back(
                {row.line, at + "：“使用技能”为“否”，“技能”列的内容不会写入。"});
            monster.profile.useSkill.clear();
        }
        table_.monsters.push_back(std::move(monster));
    }

    // Refuses every row of a name that more than one row has.
    void RefuseRepeatedNames() {
        std::map<std::string, std::vector<std::size_t>> lines;
        for (const ImportedMonster& monster : table_.monsters)
            lines[profile::FileNameKey(monster.profile.monsterName)].push_back(monster.line);
        std::vector<ImportedMonster> kept;
        for (ImportedMonster& monster : table_.monsters) {
            const std::vector<std::size_t>& same =
                lines[profile::FileNameKey(monster.profile.monsterName)];
            if (same.size() == 1) {
                kept.push_back(std::move(monster));
                continue;
            }
            std::string others;
            for (std::size_t line : same)
                if (line != monster.line)
                    others.append(others.empty() ? "" : "、").append(std::to_string(line));
            Error(monster.line, LineText(monster.line) + "“名称”列：“" +
                                    monster.profile.monsterName + "”与第 " + others +
                                    " 行重名，这几行都不导入。");
        }
        table_.monsters = std::move(kept);
    }

private:
    void Error(std::size_t line, std::string text) {
        table_.errors.push_back({line, std::move(text)});
    }

    ImportTable& table_;
    std::vector<std::optional<std::size_t>> places_;  // per known column, its place in a row
    std::size_t width_ = 0;
};

}  // namespace

ImportTable ReadMonsterCsv(std::string_view bytes) {
    ImportTable table;
    const runtime::DecodedText decoded = runtime::DecodeText(bytes);
    if (!decoded.utf8) {
        table.errors.push_back({0, "无法读取这个 CSV 文件：" + decoded.problem + "。"});
        return table;
    }
    const std::vector<CsvRow> rows = ParseCsv(*decoded.utf8);
    if (rows.empty()) {
        table.errors.push_back({0, "这个 CSV 文件是空的，没有标题行。"});
        return table;
    }
    TableReader reader(table);
    if (!reader.ReadTitles(rows.front())) return table;
    for (std::size_t i = 1; i < rows.size(); ++i) reader.ReadRow(rows[i]);
    reader.RefuseRepeatedNames();
    std::stable_sort(
        table.errors.begin(), table.errors.end(),
        [](const ImportMessage& a, const ImportMessage& b) { return a.line < b.line; });
    return table;
}

}  // namespace vorn::monsterfolder
