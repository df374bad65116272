#include "mainwindow/generate_monster_files.h"

#include <optional>
#include <string>
#include <utility>

#include "mainwindow/control_ids.h"
#include "mainwindow/monster_text_buffer.h"
#include "mainwindow/program_assets.h"
#include "mainwindow/tip_boxes.h"
#include "profile/monster_files_writer.h"
#include "profile/monster_name.h"
#include "profile/monster_text.h"

namespace vorn::mainwindow {
namespace {

using namespace profile;

using namespace std::string_literals;

constexpr std::string_view kNothingWritten = "\r\n\r\n没有写入任何文件。";

void ShowFailure(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string message) {
    ShowWarningBox(boxes, owner, "生成失败：", std::move(message));
}

void ShowSuccess(runtime::BoxService& boxes, runtime::WindowHandle owner, const OutputFolder& folder,
                 std::string_view keptDropFile, std::string_view leftOutOf = {}) {
    std::string message = folder.besideProgram
                              ? "文件生成成功！\r\n\r\n请查看 MonUseItems 目录下！"s
                              : "文件生成成功！\r\n\r\n请查看目录：\r\n"s.append(folder.path);
    if (!keptDropFile.empty())
        message.append("\r\n掉落文件已存在，保留原有挖取列表：").append(keptDropFile);
    if (!leftOutOf.empty())
        message.append("\r\n怪物名称已改变，打开的 ")
            .append(leftOutOf)
            .append(" 中窗口里没有的内容（护身符、斗笠、其他行）没有写入。");
    ShowTipBox(boxes, owner, "生成提示：", std::move(message),
                           AssetBytes(kTipIconPng), {"返回", "确定"}, "不再提示");
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "无法写入文件：\r\n"s.append(path).append("\r\n原因：").append(reason);
}

// The failure box's text for a monster that cannot be written.
std::string ProblemMessage(const MonsterFilesProblem& problem, const OutputFolder& folder) {
    switch (problem.kind) {
        case MonsterFilesProblem::Kind::Name:
            return "怪物名称不能用作文件名：\r\n"s.append(problem.detail)
                .append("。")
                .append(kNothingWritten);
        case MonsterFilesProblem::Kind::Encoding:
            return problem.detail + "\r\n请改用其他字符。" + std::string(kNothingWritten);
        case MonsterFilesProblem::Kind::FolderMissing:
            return "找不到目录：\r\n"s.append(problem.path)
                .append(folder.besideProgram
                            ? "\r\n请先在程序所在的目录中建立 MonUseItems 文件夹。"
                            : "\r\n这个文件夹已不存在或无法访问；可以在怪物列表中更换目录。")
                .append(kNothingWritten);
        case MonsterFilesProblem::Kind::DropFileUnreadable:
            return "无法读取已有的掉落文件：\r\n"s.append(problem.path)
                .append("\r\n原因：")
                .append(problem.detail)
                .append("\r\n为保护其中的挖取列表，")
                .append(kNothingWritten.substr(4));
        case MonsterFilesProblem::Kind::NotReplaceable:
        case MonsterFilesProblem::Kind::WriteFailed: break;
    }
    return CannotWrite(problem.path, problem.detail).append(kNothingWritten);
}

}  // namespace

OutputFolder DefaultOutputFolder(std::string_view programDirectory, char separator) {
    return {std::string(programDirectory).append(1, separator).append("MonUseItems"), true};
}

std::optional<std::string> GenerateMonsterFiles(runtime::PropertyAccess& properties, FileStore& files,
                          runtime::BoxService& boxes, runtime::WindowHandle owner,
                          const OutputFolder& output, const KeptFromFile* opened) {
    // What was kept of an opened file belongs to that monster only.
    const KeptFromFile* kept = nullptr;
    if (opened && (opened->forAnyName ||
                   properties.ReadText(kMainWindowId, id::kMonsterName,
                                       runtime::prop::edit::kContent) == opened->monsterName))
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
    const MonsterFilesCheck check =
        PlanMonsterFiles(files, output.path, profile, kept ? kept->extras : ExtraLines{}, digging);
    if (!check.plan) {
        ShowFailure(boxes, owner, ProblemMessage(check.problem, output));
        return std::nullopt;
    }
    const MonsterFilesPlan& plan = *check.plan;
    const MonsterFilesWriting writing = WriteMonsterFiles(files, plan);
    // With digging allowed the buffer is emptied once the monster file is in place.
    const bool monsterInPlace = !plan.monster.Changes() || writing.monsterWritten;
    if (digging && monsterInPlace)
        properties.WriteText(kMainWindowId, id::kTextBuffer, runtime::prop::edit::kContent, "");
    if (writing.failure) {
        if (!monsterInPlace) {
            ShowFailure(boxes, owner, ProblemMessage(*writing.failure, output));
        } else {
            ShowFailure(boxes, owner,
                        "怪物文件已生成：\r\n"s.append(plan.monster.path)
                            .append("\r\n\r\n但掉落文件没有写入，原有文件保持不变。\r\n")
                            .append(CannotWrite(writing.failure->path, writing.failure->detail)));
        }
        return std::nullopt;
    }
    const bool keptDigList = plan.KeepsDigList();
    const bool leftOut = opened && !kept && !opened->empty();
    ShowSuccess(boxes, owner, output, keptDigList ? DropRateFileName(name) : std::string(),
                leftOut ? MonsterFileName(opened->monsterName) : std::string());
    return plan.monster.path;
}

}  // namespace vorn::mainwindow
