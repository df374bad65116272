#include "mainwindow/generate_monster_files.h"

#include <optional>
#include <string>
#include <utility>

#include "mainwindow/control_ids.h"
#include "mainwindow/monster_text_buffer.h"
#include "mainwindow/program_assets.h"
#include "mainwindow/tip_boxes.h"
#include "mainwindow/write_questions.h"
#include "profile/monster_files_writer.h"
#include "profile/monster_name.h"
#include "profile/seen_monster_files.h"
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

// "<what>\r\n<path>\r\n<reason>\r\n<why>没有写入任何文件。"
std::string Refusal(std::string_view what, std::string_view path, std::string_view reason,
                    std::string_view why) {
    return std::string(what)
        .append("\r\n")
        .append(path)
        .append("\r\n")
        .append(reason)
        .append("\r\n")
        .append(why)
        .append(kNothingWritten.substr(4));
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
            return Refusal("无法读取已有的掉落文件：", problem.path, "原因：" + problem.detail,
                           "为保护其中的挖取列表，");
        case MonsterFilesProblem::Kind::HistoryFailed:
            return Refusal("原文件：", problem.path, problem.detail, "为保证原文件可以找回，");
        case MonsterFilesProblem::Kind::ChangedMeanwhile:
            return "文件正被其他程序反复改写：\r\n"s.append(problem.path)
                .append("\r\n请稍后再试。")
                .append(kNothingWritten);
        case MonsterFilesProblem::Kind::NotReplaceable:
        case MonsterFilesProblem::Kind::WriteFailed: break;
    }
    return CannotWrite(problem.path, problem.detail).append(kNothingWritten);
}

// Tells how the write went; with digging allowed the buffer is emptied once
// the monster file is in place.
Generation Finish(runtime::PropertyAccess& properties, runtime::BoxService& boxes,
                  runtime::WindowHandle owner, const OutputFolder& output,
                  const MonsterFilesPlan& plan, const MonsterFilesWriting& writing,
                  const std::string& leftOutOf) {
    const bool monsterInPlace = !plan.monster.Changes() || writing.monsterWritten;
    if (plan.digging && monsterInPlace)
        properties.WriteText(kMainWindowId, id::kTextBuffer, runtime::prop::edit::kContent, "");
    Generation generation;
    generation.seen = SeenAfterWriting(plan, writing);
    if (writing.failure) {
        if (!monsterInPlace) {
            ShowFailure(boxes, owner, ProblemMessage(*writing.failure, output));
        } else {
            ShowFailure(boxes, owner,
                        "怪物文件已生成：\r\n"s.append(plan.monster.path)
                            .append("\r\n\r\n但掉落文件没有写入，原有文件保持不变。\r\n")
                            .append(CannotWrite(writing.failure->path, writing.failure->detail)));
        }
        return generation;
    }
    ShowSuccess(boxes, owner, output,
                plan.KeepsDigList() ? DropRateFileName(plan.monsterName) : std::string(), leftOutOf);
    generation.monsterPath = plan.monster.path;
    return generation;
}

}  // namespace

OutputFolder DefaultOutputFolder(std::string_view programDirectory, char separator) {
    return {std::string(programDirectory).append(1, separator).append("MonUseItems"), true};
}

Generation GenerateMonsterFiles(runtime::PropertyAccess& properties, FileStore& files,
                                runtime::BoxService& boxes, runtime::WindowHandle owner,
                                const OutputFolder& output, std::string_view stamp,
                                const KeptFromFile* opened, const SeenMonsterFiles* seen) {
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
    const ExtraLines& extras = kept ? kept->extras : ExtraLines{};

    // A buffer that lost part of the text must not become a short file.
    if (body != MonsterBody(profile, extras)) {
        ShowFailure(boxes, owner, "文本缓冲区中的内容不完整，无法生成文件。"s.append(kNothingWritten));
        return {};
    }
    // What the files are expected to hold; a file that holds something else
    // was written by someone else.
    SeenMonsterFiles expected = seen ? *seen : SeenMonsterFiles{};
    bool offeredFolder = false;
    // Another program may write between planning and writing (the writer
    // then refuses); the plan is made again a few times before giving up.
    constexpr int kAttempts = 4;
    for (int attempt = 1;; ++attempt) {
        std::optional<MonsterFilesCheck> planned;
        const PlannedFile* changed = nullptr;  // the file to ask about
        std::optional<MonsterFilesWriting> written;
        {
            // Planned holding the write lock: when nothing needs asking, the
            // files are written before anyone else may touch them and need
            // not be read again. The lock goes before any box shows.
            const WriteLocking locking = files.LockForWriting(output.path);
            planned = PlanMonsterFiles(files, output.path, profile, extras, digging);
            if (planned->plan) {
                changed = ChangedSinceSeen(*planned->plan, expected);
                if (!changed) written = WritePlannedUnderLock(files, *planned->plan, stamp, locking);
            }
        }
        const MonsterFilesCheck& check = *planned;
        if (!check.plan && check.problem.kind == MonsterFilesProblem::Kind::FolderMissing &&
            output.besideProgram && !offeredFolder) {
            offeredFolder = true;
            if (!CreateFolderChosen(boxes.ShowBox(CreateFolderRequest(owner, output.path)))) return {};
            if (auto problem = files.CreateFolder(output.path)) {
                ShowFailure(boxes, owner,
                            "无法建立目录：\r\n"s.append(output.path)
                                .append("\r\n原因：")
                                .append(*problem)
                                .append(kNothingWritten));
                return {};
            }
            continue;
        }
        if (!check.plan) {
            ShowFailure(boxes, owner, ProblemMessage(check.problem, output));
            return {};
        }
        const MonsterFilesPlan& plan = *check.plan;
        if (changed) {
            switch (ChangedOnDiskChoiceOf(boxes.ShowBox(
                ChangedOnDiskRequest(owner, changed->path, files.ModifiedText(changed->path))))) {
                case ChangedOnDiskChoice::GoBack: return {};
                case ChangedOnDiskChoice::OpenFromDisk: return {{}, {}, plan.monster.path};
                case ChangedOnDiskChoice::Overwrite: break;
            }
        }
        // After a question the writer takes the lock again and reads the
        // files again.
        const MonsterFilesWriting writing =
            written ? std::move(*written) : WriteMonsterFiles(files, plan, stamp);
        if (writing.failure && writing.failure->kind == MonsterFilesProblem::Kind::ChangedMeanwhile &&
            attempt < kAttempts) {
            // What this plan read is what the user saw or agreed to overwrite.
            expected = SeenAfterWriting(plan, {});
            continue;
        }
        return Finish(properties, boxes, owner, output, plan, writing, opened && !kept && !opened->empty()
                                                                        ? MonsterFileName(opened->monsterName)
                                                                        : std::string());
    }
}

}  // namespace vorn::mainwindow
