#include "monsterfolder/list_columns.h"

#include "monsterfolder/field_words.h"

namespace vorn::monsterfolder {

std::string_view ColumnTitle(ListColumn column) {
    switch (column) {
        case ListColumn::Name: return "名称";
        case ListColumn::Job: return "职业";
        case ListColumn::Gender: return "性别";
        case ListColumn::DropsItems: return "掉装备";
        case ListColumn::Digging: return "挖取";
        case ListColumn::Equipped: return "装备数";
        case ListColumn::Status: return "状态";
        case ListColumn::Modified: return "修改时间";
    }
    return {};
}

std::string CellText(const MonsterRow& row, ListColumn column) {
    switch (column) {
        case ListColumn::Name: return row.name;
        case ListColumn::Status: return row.status;
        case ListColumn::Modified: return row.modifiedText;
        default: break;
    }
    if (!row.profile) return {};
    const profile::MonsterProfile& monster = *row.profile;
    switch (column) {
        case ListColumn::Job: return std::string(WordOf(kJobWords, monster.job));
        case ListColumn::Gender: return std::string(WordOf(kGenderWords, monster.gender));
        case ListColumn::DropsItems: return std::string(WordOf(kYesNoWords, monster.dropUseItem));
        case ListColumn::Digging: return std::string(WordOf(kYesNoWords, monster.butchUseItem));
        case ListColumn::Equipped: return std::to_string(row.equipped);
        default: return {};
    }
}

}  // namespace vorn::monsterfolder
