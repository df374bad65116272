#include "monsterfolder/row_summary.h"

#include <utility>

#include "monsterfolder/field_rules.h"
#include "profile/ini_syntax.h"
#include "profile/monster_file_reader.h"
#include "profile/monster_name.h"
#include "runtime/base/text_encoding.h"

namespace vorn::monsterfolder {
namespace {

using profile::FileNote;
using Refusal = profile::MonsterFileReading::Refusal;

void SetProblem(MonsterRow& row, RowProblem problem, std::string status) {
    row.problem = problem;
    row.status = std::move(status);
}

// A file the server reads as GBK, written in another encoding: a character
// GBK cannot hold is what needs changing, else generating it again is enough.
std::optional<std::string> NotGbk(const profile::MonsterFile& file) {
    if (file.encoding == runtime::TextEncoding::Gbk) return std::nullopt;
    for (const FileNote& note : file.notes)
        if (note.kind == FileNote::Kind::NotGbkCharacter)
            return "字符“" + note.value + "”无法用 GBK 编码保存";
    return std::string(runtime::EncodingName(file.encoding)) +
           " 编码，游戏服务端只读 GBK：打开后重新生成即可";
}

// The first value the window would not show as the file has it.
std::optional<std::string> OutOfRange(const profile::MonsterFile& file) {
    for (const FileNote& note : file.notes) {
        if (note.kind == FileNote::Kind::NotInList) {
            if (profile::TrimBlanks(note.value).empty()) return note.key + " 没有值";
            return note.key + "=" + note.value + " 超出范围";
        }
        if (note.kind == FileNote::Kind::RateAbove100)
            return note.key + "=" + note.value + " 超出范围（" + RangeText(kRateRange) + "）";
    }
    return ProfileValueProblem(file.profile);
}

std::optional<std::string> Repeated(const profile::MonsterFile& file) {
    for (const FileNote& note : file.notes) {
        if (note.kind == FileNote::Kind::RepeatedKey)
            return note.key + " 出现了不止一次，只有第一个起作用";
        if (note.kind == FileNote::Kind::RepeatedSection)
            return "[" + note.key + "] 段出现了不止一次，只有第一个起作用";
    }
    return std::nullopt;
}

std::optional<std::string> UnknownItem(const profile::MonsterProfile& monster,
                                       const ItemNameCheck& knownItem) {
    if (!knownItem) return std::nullopt;
    for (std::size_t slot = 0; slot < monster.useItems.size(); ++slot) {
        const std::string& item = monster.useItems[slot];
        if (!item.empty() && !knownItem(item))
            return "未知物品“" + item + "”（" + std::string(profile::kSlotWords[slot]) + "）";
    }
    return std::nullopt;
}

void TakeFile(MonsterRow& row, profile::MonsterFile& file, bool dropFileListed,
              const ItemNameCheck& knownItem) {
    profile::MonsterProfile& monster = file.profile;
    monster.monsterName = row.name;
    for (int slot : profile::kWindowSlots)
        if (!monster.useItems[static_cast<std::size_t>(slot)].empty()) ++row.equipped;
    for (const std::string& item : monster.useItems)
        if (!item.empty()) row.items.push_back(item);

    if (auto encoding = NotGbk(file))
        SetProblem(row, RowProblem::OtherEncoding, std::move(*encoding));
    else if (auto problem = OutOfRange(file))
        SetProblem(row, RowProblem::ValueOutOfRange, std::move(*problem));
    else if (auto repeat = Repeated(file))
        SetProblem(row, RowProblem::RepeatedKey, std::move(*repeat));
    else if (monster.butchUseItem == 1 && !dropFileListed)
        SetProblem(row, RowProblem::NoDropFile,
                   "允许挖取，但没有掉落文件 " + profile::DropRateFileName(row.name));
    else if (auto unknown = UnknownItem(monster, knownItem))
        SetProblem(row, RowProblem::UnknownItem, std::move(*unknown));
    row.profile = std::move(monster);
}

}  // namespace

MonsterRow SummariseMonster(const profile::FolderFile& listed, const profile::FileContent& content,
                            bool dropFileListed, const ItemNameCheck& knownItem) {
    MonsterRow row;
    row.fileName = listed.name;
    row.name = profile::MonsterNameOf(listed.name);
    row.size = listed.size;
    row.modified = listed.modified;
    row.modifiedText = listed.modifiedText;
    switch (content.status) {
        case profile::FileContent::Status::Missing:
            SetProblem(row, RowProblem::Vanished, "文件已不存在（列出后被删除或改名）");
            return row;
        case profile::FileContent::Status::Failed:
            SetProblem(row, RowProblem::Unreadable, "无法读取：" + content.error);
            return row;
        case profile::FileContent::Status::Read: break;
    }
    profile::MonsterFileReading reading = profile::ReadMonsterFile(content.bytes);
    switch (reading.refusal) {
        case Refusal::None: TakeFile(row, *reading.file, dropFileListed, knownItem); break;
        case Refusal::NoInfoSection:
            SetProblem(row, RowProblem::NoInfoSection, "没有 [Info] 段，不是人形怪的怪物文件");
            break;
        case Refusal::NotText:
        case Refusal::NotDecodable: SetProblem(row, RowProblem::NotText, reading.ShortError()); break;
    }
    return row;
}

}  // namespace vorn::monsterfolder
