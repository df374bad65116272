#include "mainwindow/open_monster_file.h"

#include <string>
#include <utility>
#include <vector>

#include "mainwindow/equip_slot.h"
#include "mainwindow/show_profile.h"
#include "mainwindow/tip_boxes.h"
#include "mainwindow/tip_line.h"
#include "profile/monster_name.h"
#include "runtime/base/text_encoding.h"

namespace vorn::mainwindow {
namespace {

using namespace std::string_literals;
using profile::FileContent;

constexpr std::string_view kMonsterSuffix = ".txt";
constexpr std::string_view kDropFileSuffix = "-Item.txt";
// More notes than this would make a box taller than the screen.
constexpr std::size_t kNotesShown = 8;

// The file's name: what follows the last separator (Windows takes '/' too).
std::string_view FileNameOf(std::string_view path, char separator) {
    const std::size_t cut = path.find_last_of(separator == '\\' ? "\\/" : "/");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

void ShowFailure(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string_view path,
                 std::string_view reason) {
    ShowWarningBox(boxes, owner, "打开失败：",
                   "无法打开怪物文件：\r\n"s.append(path)
                       .append("\r\n\r\n")
                       .append(reason)
                       .append("\r\n\r\n窗口中的内容没有改变。"));
}

void ShowNotes(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string_view fileName,
               const std::vector<std::string>& notes) {
    std::string message = "已打开 "s.append(fileName).append("，请留意：\r\n");
    for (std::size_t i = 0; i < notes.size() && i < kNotesShown; ++i)
        message.append("\r\n").append(notes[i]);
    if (notes.size() > kNotesShown)
        message.append("\r\n……另有 ")
            .append(std::to_string(notes.size() - kNotesShown))
            .append(" 条。");
    ShowWarningBox(boxes, owner, "打开提示：", std::move(message), false);
}

// A slot item spelled like its placeholder reads back as no item.
void NotePlaceholderItems(const profile::MonsterProfile& monster, std::vector<std::string>& notes) {
    for (const EquipSlot& slot : EquipSlots()) {
        const std::string& item = monster.useItems[static_cast<std::size_t>(slot.index)];
        if (slot.nameBox != 0 && item == slot.placeholder)
            notes.push_back("“UseItems" + std::to_string(slot.index) + "=" + item +
                            "” 与名称框的占位文字相同，窗口把它当作没有装备，生成时写为空。");
    }
}

}  // namespace

std::optional<OpenedMonster> OpenMonsterFile(runtime::PropertyAccess& properties,
                                             runtime::EventSink& handlers,
                                             profile::FileStore& files, runtime::BoxService& boxes,
                                             runtime::WindowHandle owner, std::string_view path,
                                             std::string_view tipNote) {
    const char separator = files.Separator();
    std::string target(path);
    std::string besideNote;  // why a dropped drop-rate file was read itself
    FileContent content;
    bool read = false;
    if (profile::IsDropRateFileName(FileNameOf(path, separator))) {
        const std::string monsterPath =
            std::string(path.substr(0, path.size() - kDropFileSuffix.size())).append(kMonsterSuffix);
        content = files.ReadFileUpTo(monsterPath, kMonsterFileLimit);
        if (content.status != FileContent::Status::Missing) {
            target = monsterPath;
            read = true;
        } else {
            besideNote = "\r\n（这是掉落文件，旁边也没有它的怪物文件 "s
                             .append(FileNameOf(monsterPath, separator))
                             .append("。）");
        }
    }
    const auto fail = [&](std::string reason) {
        ShowFailure(boxes, owner, target, reason.append(tipNote));
        return std::nullopt;
    };
    const std::string fileName(FileNameOf(target, separator));
    if (!profile::HasTextFileSuffix(fileName))
        return fail("怪物文件的名称是“怪物名.txt”，这不是 .txt 文件。");
    if (!read) content = files.ReadFileUpTo(target, kMonsterFileLimit);
    switch (content.status) {
        case FileContent::Status::Missing: return fail("文件不存在。");
        case FileContent::Status::Failed: return fail(content.error + "。");
        case FileContent::Status::Read: break;
    }
    profile::MonsterFileReading reading = profile::ReadMonsterFile(content.bytes);
    if (!reading.file) return fail(reading.error + besideNote);

    profile::MonsterFile& file = *reading.file;
    file.profile.monsterName = fileName.substr(0, fileName.size() - kMonsterSuffix.size());
    std::vector<std::string> notes;
    for (const profile::FileNote& note : file.notes) notes.push_back(note.text);
    NotePlaceholderItems(file.profile, notes);
    ShowProfile(properties, handlers, file.profile);
    std::string tip = "友情提示：已打开怪物文件 "s.append(fileName);
    if (file.encoding != runtime::TextEncoding::Gbk)
        tip.append("（").append(runtime::EncodingName(file.encoding)).append(" 编码，生成时转为 GBK）");
    WriteTip(properties, tip.append(tipNote));
    if (!notes.empty()) ShowNotes(boxes, owner, fileName, notes);

    OpenedMonster opened{target, {}, std::move(content.bytes)};
    KeptFromFile& kept = opened.kept;
    kept.monsterName = file.profile.monsterName;
    for (const EquipSlot& slot : EquipSlots()) {
        const auto index = static_cast<std::size_t>(slot.index);
        if (slot.nameBox == 0) kept.items[index] = file.profile.useItems[index];
    }
    kept.extras = std::move(file.extras);
    return opened;
}

}  // namespace vorn::mainwindow
