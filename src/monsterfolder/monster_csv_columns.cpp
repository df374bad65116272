#include "monsterfolder/monster_csv_columns.h"

#include <span>

#include "monsterfolder/field_rules.h"
#include "monsterfolder/field_words.h"
#include "profile/field_encoding.h"
#include "profile/ini_syntax.h"
#include "profile/monster_name.h"
#include "profile/slot_words.h"

namespace vorn::monsterfolder {
namespace {

using profile::MonsterProfile;
using namespace std::string_literals;

struct Column {
    enum class Kind { Name, Word, Code, Number, SkillSwitch, Text, Slot };
    std::string_view title;
    Kind kind;
    std::span<const std::string_view> words{};    // Word: the code is the word's place
    int MonsterProfile::*code = nullptr;          // Word, Code
    std::string MonsterProfile::*text = nullptr;  // Number, Text
    NumberRange range{};                          // Code, Number
    int slot = 0;                                 // Slot
    std::string_view what{};                      // Word: what the words are; empty for 是/否
};

const std::vector<Column>& Columns() {
    using K = Column::Kind;
    using P = MonsterProfile;
    static const std::vector<Column> kColumns = [] {
        std::vector<Column> columns = {
            {"名称", K::Name},
            {"职业", K::Word, kJobWords, &P::job, nullptr, {}, 0, "职业"},
            {"性别", K::Word, kGenderWords, &P::gender, nullptr, {}, 0, "性别"},
            {"发型", K::Code, {}, &P::hair, nullptr, kHairRange},
            {"掉装备", K::Word, kYesNoWords, &P::dropUseItem},
            {"掉落几率", K::Number, {}, nullptr, &P::dropUseItemRate, kRateRange},
            {"挖取", K::Word, kYesNoWords, &P::butchUseItem},
            {"挖取几率", K::Number, {}, nullptr, &P::butchRate, kRateRange},
            {"收费模式", K::Word, kCurrencyWords, &P::butchChargeClass, nullptr, {}, 0, "收费模式"},
            {"挖取费用", K::Number, {}, nullptr, &P::butchChargeCount, kFeeRange},
            {"使用技能", K::SkillSwitch},
            {"技能", K::Text, {}, nullptr, &P::useSkill},
        };
        for (int slot : profile::kWindowSlots) {
            Column column{profile::kSlotWords[static_cast<std::size_t>(slot)], K::Slot};
            column.slot = slot;
            columns.push_back(column);
        }
        return columns;
    }();
    return kColumns;
}

std::string WordList(std::span<const std::string_view> words) {
    std::string list;
    for (std::string_view word : words) list.append(list.empty() ? "" : "、").append(word);
    return list;
}

// A name or a text the monster file holds on one line of GBK.
std::optional<std::string> TextProblem(std::string_view title, std::string_view cell) {
    for (char c : cell) {
        if (c == '\r' || c == '\n') return "不能分成几行"s;
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return "含有控制字符"s;
    }
    return profile::GbkProblem(title, cell);
}

std::optional<std::string> TakeNumber(const Column& column, std::string_view cell, int* code,
                                      std::string* text) {
    switch (CheckNumber(cell, column.range)) {
        case NumberCheck::NotANumber: return "“"s.append(cell).append("”不是整数");
        case NumberCheck::OutOfRange:
            return "“"s.append(cell)
                .append("”超出范围（")
                .append(RangeText(column.range))
                .append("）");
        case NumberCheck::Fits: break;
    }
    if (text) *text = cell;
    if (code) {
        if (profile::TrimBlanks(cell).empty()) return "不能为空"s;
        *code = std::stoi(std::string(profile::TrimBlanks(cell)));
    }
    return std::nullopt;
}

}  // namespace

const std::vector<std::string_view>& MonsterCsvTitles() {
    static const std::vector<std::string_view> kTitles = [] {
        std::vector<std::string_view> titles;
        for (const Column& column : Columns()) titles.push_back(column.title);
        return titles;
    }();
    return kTitles;
}

std::vector<std::string> MonsterCsvCells(const MonsterProfile& monster) {
    std::vector<std::string> cells;
    for (const Column& column : Columns()) {
        switch (column.kind) {
            case Column::Kind::Name: cells.push_back(monster.monsterName); break;
            case Column::Kind::Word:
                cells.emplace_back(WordOf(column.words, monster.*column.code));
                break;
            case Column::Kind::Code: cells.push_back(std::to_string(monster.*column.code)); break;
            case Column::Kind::Number:
            case Column::Kind::Text: cells.push_back(monster.*column.text); break;
            case Column::Kind::SkillSwitch:
                cells.emplace_back(WordOf(kYesNoWords, monster.useSkillOn ? 1 : 0));
                break;
            case Column::Kind::Slot:
                cells.push_back(monster.useItems[static_cast<std::size_t>(column.slot)]);
                break;
        }
    }
    return cells;
}

std::optional<std::string> TakeMonsterCsvCell(std::size_t index, std::string_view cell,
                                              MonsterProfile& monster) {
    const Column& column = Columns().at(index);
    switch (column.kind) {
        case Column::Kind::Name:
            if (cell.empty()) return "名称不能为空"s;
            if (auto problem = TextProblem(column.title, cell)) return problem;
            if (auto problem = profile::MonsterNameProblem(cell)) return problem;
            monster.monsterName = cell;
            return std::nullopt;
        case Column::Kind::Word:
        case Column::Kind::SkillSwitch: {
            const auto words = column.kind == Column::Kind::Word ? column.words : kYesNoWords;
            const std::optional<int> code = CodeOf(words, cell);
            if (!code && column.what.empty()) return "“"s.append(cell).append("”应为“是”或“否”");
            if (!code)
                return "“"s.append(cell)
                    .append("”不是可选的")
                    .append(column.what)
                    .append("（")
                    .append(WordList(words))
                    .append("）");
            if (column.kind == Column::Kind::Word)
                monster.*column.code = *code;
            else
                monster.useSkillOn = *code == 1;
            return std::nullopt;
        }
        case Column::Kind::Code: return TakeNumber(column, cell, &(monster.*column.code), nullptr);
        case Column::Kind::Number:
            if (auto problem = TextProblem(column.title, cell)) return problem;
            return TakeNumber(column, cell, nullptr, &(monster.*column.text));
        case Column::Kind::Text:
            if (auto problem = TextProblem(column.title, cell)) return problem;
            monster.*column.text = cell;
            return std::nullopt;
        case Column::Kind::Slot:
            if (auto problem = TextProblem(column.title, cell)) return problem;
            monster.useItems[static_cast<std::size_t>(column.slot)] = cell;
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace vorn::monsterfolder
