#include "mainwindow/generate_monster_files.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/control_ids.h"
#include "mainwindow/equip_slot.h"
#include "mainwindow/monster_text_buffer.h"
#include "mainwindow/program_assets.h"
#include "mainwindow/tip_boxes.h"
#include "profile/monster_name.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"

namespace vorn::mainwindow {
namespace {

using namespace profile;

using namespace std::string_literals;

constexpr std::string_view kNothingWritten = "\r\n\r\n没有写入任何文件。";

void ShowFailure(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string message) {
    ShowWarningBox(boxes, owner, "生成失败：", std::move(message));
}

void ShowSuccess(runtime::BoxService& boxes, runtime::WindowHandle owner,
                 std::string_view keptDropFile, std::string_view leftOutOf = {}) {
    std::string message = "文件生成成功！\r\n\r\n请查看 MonUseItems 目录下！";
    if (!keptDropFile.empty())
        message.append("\r\n掉落文件已存在，保留原有挖取列表：").append(keptDropFile);
    if (!leftOutOf.empty())
        message.append("\r\n怪物名称已改变，打开的 ")
            .append(leftOutOf)
            .append(" 中窗口里没有的内容（护身符、斗笠、其他行）没有写入。");
    ShowTipBox(boxes, owner, "生成提示：", std::move(message),
                           AssetBytes(kTipIconPng), {"返回", "确定"}, "不再提示");
}

// Length of the UTF-8 sequence that starts with this byte (1 for stray bytes).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// The first character of a text that GBK cannot hold, for the error message.
std::string FirstUnencodable(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(text[pos])), text.size() - pos);
        const std::string_view character = text.substr(pos, length);
        if (!runtime::Utf8ToGbk(character)) return std::string(character);
        pos += length;
    }
    return {};
}

// Whether a piece cut out by FirstUnencodable is a whole UTF-8 character that
// a message box can show, rather than stray bytes.
bool LooksLikeCharacter(std::string_view piece) {
    if (piece.empty()) return false;
    const auto lead = static_cast<unsigned char>(piece[0]);
    if (lead < 0x80) return true;
    if (lead < 0xC2 || lead > 0xF4 || piece.size() != SequenceLength(lead)) return false;
    for (char c : piece.substr(1))
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) return false;
    return true;
}

struct NamedField {
    std::string_view name;  // as the window labels it
    const std::string* text;
};

std::vector<NamedField> TextFields(const MonsterProfile& profile) {
    std::vector<NamedField> fields = {
        {"怪物名称", &profile.monsterName},     {"掉落几率", &profile.dropUseItemRate},
        {"挖取几率", &profile.butchRate},       {"挖取费用", &profile.butchChargeCount},
        {"技能", &profile.useSkill},
    };
    for (const EquipSlot& slot : EquipSlots())
        fields.push_back({slot.word, &profile.useItems[static_cast<std::size_t>(slot.index)]});
    return fields;
}

// Why a field cannot be saved in GBK, or nothing when all can.
std::optional<std::string> EncodingProblem(const MonsterProfile& profile) {
    for (const NamedField& field : TextFields(profile)) {
        if (runtime::Utf8ToGbk(*field.text)) continue;
        const std::string character = FirstUnencodable(*field.text);
        std::string message = "“"s.append(field.name).append("”中");
        if (LooksLikeCharacter(character))
            message.append("的字符“").append(character).append("”");
        else
            message.append("含有无法识别的字符，");
        return message.append("无法用 GBK 编码保存，游戏服务端读不到它。\r\n请改用其他字符。");
    }
    return std::nullopt;
}

// One output file: where it goes, its new bytes, and what is there now.
struct OutputFile {
    std::string path;
    std::string bytes;
    bool write = false;    // the generation gives this file its bytes
    bool current = false;  // it already holds exactly these bytes: no need to touch the disk
};

bool HoldsExactly(FileStore& files, const OutputFile& file) {
    const FileContent existing = files.ReadWholeFile(file.path);
    return existing.status == FileContent::Status::Read && existing.bytes == file.bytes;
}

// What to do with an existing drop-rate file: only an empty file or the
// program's own comment line may be overwritten; anything else is the
// administrator's dig list. Returns why it cannot be decided.
std::optional<std::string> PlanDropFile(FileStore& files, OutputFile& drop) {
    const FileContent existing = files.ReadWholeFile(drop.path);
    switch (existing.status) {
        case FileContent::Status::Missing:
            drop.write = true;
            return std::nullopt;
        case FileContent::Status::Read:
            drop.current = existing.bytes == drop.bytes;
            drop.write = existing.bytes.empty() || drop.current;
            return std::nullopt;
        case FileContent::Status::Failed:
            break;
    }
    return "无法读取已有的掉落文件：\r\n"s.append(drop.path)
        .append("\r\n原因：")
        .append(existing.error)
        .append("\r\n为保护其中的挖取列表，")
        .append(kNothingWritten.substr(4));
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "无法写入文件：\r\n"s.append(path).append("\r\n原因：").append(reason);
}

}  // namespace

std::optional<std::string> GenerateMonsterFiles(runtime::PropertyAccess& properties, FileStore& files,
                          runtime::BoxService& boxes, runtime::WindowHandle owner,
                          std::string_view programDirectory, const KeptFromFile* opened) {
    // What was kept of an opened file belongs to that monster only.
    const KeptFromFile* kept = nullptr;
    if (opened && properties.ReadText(kMainWindowId, id::kMonsterName,
                                      runtime::prop::edit::kContent) == opened->monsterName)
        kept = opened;
    const MonsterProfile profile = BuildMonsterText(properties, kept);
    const std::string body = properties.ReadText(kMainWindowId, id::kTextBuffer,
                                                 runtime::prop::edit::kContent);
    const bool digging = properties.ReadInteger(kMainWindowId, id::kButch,
                                                runtime::prop::combo::kSelection) == 1;
    const std::string& name = profile.monsterName;

    // A buffer that lost part of the text must not become a short file.
    if (body != MonsterBody(profile, kept ? kept->extras : ExtraLines{})) {
        ShowFailure(boxes, owner, "文本缓冲区中的内容不完整，无法生成文件。"s.append(kNothingWritten));
        return std::nullopt;
    }
    if (auto problem = MonsterNameProblem(name)) {
        ShowFailure(boxes, owner,
                    "怪物名称不能用作文件名：\r\n"s.append(*problem).append("。").append(kNothingWritten));
        return std::nullopt;
    }
    if (auto problem = EncodingProblem(profile)) {
        ShowFailure(boxes, owner, problem->append(kNothingWritten));
        return std::nullopt;
    }
    const std::optional<std::string> header = runtime::Utf8ToGbk(MonsterHeaderLine(name));
    const std::optional<std::string> bodyBytes = runtime::Utf8ToGbk(body);
    const std::optional<std::string> dropLine = runtime::Utf8ToGbk(DropRateLine(name));
    if (!header || !bodyBytes || !dropLine) {
        ShowFailure(boxes, owner, "文件内容无法用 GBK 编码保存。"s.append(kNothingWritten));
        return std::nullopt;
    }

    const char separator = files.Separator();
    const std::string directory =
        std::string(programDirectory).append(1, separator).append("MonUseItems");
    if (!files.DirectoryExists(directory)) {
        ShowFailure(boxes, owner,
                    "找不到目录：\r\n"s.append(directory).append(
                        "\r\n请先在程序所在的目录中建立 MonUseItems 文件夹。").append(kNothingWritten));
        return std::nullopt;
    }

    OutputFile monster{directory + separator + MonsterFileName(name), *header + *bodyBytes, true};
    monster.current = HoldsExactly(files, monster);
    OutputFile drop{directory + separator + DropRateFileName(name), *dropLine};
    if (digging) {
        if (auto problem = PlanDropFile(files, drop)) {
            ShowFailure(boxes, owner, std::move(*problem));
            return std::nullopt;
        }
    }
    for (const OutputFile* file : {&monster, &drop}) {
        if (!file->write) continue;
        if (auto problem = files.CheckReplaceable(file->path)) {
            ShowFailure(boxes, owner, CannotWrite(file->path, *problem).append(kNothingWritten));
            return std::nullopt;
        }
    }

    if (!monster.current) {
        if (auto problem = files.ReplaceContent(monster.path, monster.bytes)) {
            ShowFailure(boxes, owner, CannotWrite(monster.path, *problem).append(kNothingWritten));
            return std::nullopt;
        }
    }
    if (digging) {
        properties.WriteText(kMainWindowId, id::kTextBuffer,
                             runtime::prop::edit::kContent, "");
    }
    if (drop.write && !drop.current) {
        if (auto problem = files.ReplaceContent(drop.path, drop.bytes)) {
            ShowFailure(boxes, owner,
                        "怪物文件已生成：\r\n"s.append(monster.path)
                            .append("\r\n\r\n但掉落文件没有写入，原有文件保持不变。\r\n")
                            .append(CannotWrite(drop.path, *problem)));
            return std::nullopt;
        }
    }
    const bool keptDigList = digging && !drop.write;
    const bool leftOut = opened && !kept && !opened->empty();
    ShowSuccess(boxes, owner, keptDigList ? DropRateFileName(name) : std::string(),
                leftOut ? MonsterFileName(opened->monsterName) : std::string());
    return monster.path;
}

}  // namespace vorn::mainwindow
