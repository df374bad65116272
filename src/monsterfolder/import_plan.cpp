#include "monsterfolder/import_plan.h"

#include <algorithm>
#include <utility>

#include "profile/monster_file_reader.h"
#include "profile/monster_name.h"

namespace vorn::monsterfolder {
namespace {

using profile::FileContent;
using profile::MonsterFilesProblem;
using profile::PlannedFile;

std::string ProblemText(const MonsterFilesProblem& problem) {
    switch (problem.kind) {
        case MonsterFilesProblem::Kind::Name: return "名称不能用作文件名：" + problem.detail + "。";
        case MonsterFilesProblem::Kind::Encoding: return problem.detail;
        case MonsterFilesProblem::Kind::FolderMissing:
            return profile::FolderMissingText(problem.path) + "。";
        case MonsterFilesProblem::Kind::DropFileUnreadable:
            return "无法读取已有的掉落文件 " + problem.path + "（" + problem.detail +
                   "），为保护其中的挖取列表不写入。";
        case MonsterFilesProblem::Kind::ChangedMeanwhile:
            return problem.path + " 在预览之后有了变化，请重新导入。";
        case MonsterFilesProblem::Kind::HistoryFailed: return problem.detail + "。";
        case MonsterFilesProblem::Kind::NotReplaceable:
        case MonsterFilesProblem::Kind::WriteFailed: break;
    }
    return "无法写入 " + problem.path + "（" + problem.detail + "）。";
}

// A sentence put in brackets inside another loses its full stop.
std::string InBrackets(std::string sentence) {
    if (sentence.ends_with("。")) sentence.resize(sentence.size() - std::string_view("。").size());
    return "（" + sentence + "）";
}

// What the window keeps of the monster's existing file: its slots 9 and 13
// and the lines it does not write itself. Nothing when there is no file;
// the reason when it cannot be read as a monster file.
struct ExistingFile {
    profile::ExtraLines extras;
    std::optional<std::string> problem;
};

ExistingFile ReadExisting(profile::FileStore& files, const std::string& path,
                          profile::MonsterProfile& monster) {
    const FileContent content = files.ReadFileUpTo(path, profile::kMonsterFileLimit);
    switch (content.status) {
        case FileContent::Status::Missing: return {};
        case FileContent::Status::Failed:
            return {{},
                    "已有的怪物文件 " + path + " 无法读取（" + content.error +
                        "），为保护其内容不覆盖。"};
        case FileContent::Status::Read: break;
    }
    profile::MonsterFileReading reading = profile::ReadMonsterFile(content.bytes);
    if (!reading.file)
        return {{},
                "已有的怪物文件 " + path + " 不是可读的怪物文件" + InBrackets(reading.ShortError()) +
                    "，为保护其内容不覆盖。"};
    for (int slot = 0; slot < profile::kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        if (std::find(profile::kWindowSlots.begin(), profile::kWindowSlots.end(), slot) ==
            profile::kWindowSlots.end())
            monster.useItems[index] = reading.file->profile.useItems[index];
    }
    return {std::move(reading.file->extras), std::nullopt};
}

// The planned files a monster changes.
std::vector<const PlannedFile*> ChangedFiles(const PlannedMonster& monster) {
    std::vector<const PlannedFile*> changed;
    for (const PlannedFile* file : {&monster.files.monster, &monster.files.drop})
        if (file->Changes()) changed.push_back(file);
    return changed;
}

// Gives the written files their old content back, last first; the paths of
// those that could not be restored.
std::vector<std::string> Restore(profile::FileStore& files,
                                 const std::vector<const PlannedFile*>& written) {
    std::vector<std::string> notRestored;
    for (auto file = written.rbegin(); file != written.rend(); ++file) {
        const FileContent& before = (*file)->before;
        const std::optional<std::string> problem =
            before.status == FileContent::Status::Read
                ? files.ReplaceContent((*file)->path, before.bytes)
                : files.RemoveFile((*file)->path);
        if (problem) notRestored.push_back((*file)->path + "（" + *problem + "）");
    }
    return notRestored;
}

}  // namespace

std::size_t ImportPlan::Count(ImportAction action) const {
    return static_cast<std::size_t>(std::count_if(
        monsters.begin(), monsters.end(), [action](const auto& m) { return m.action == action; }));
}

ImportPlan PlanImport(profile::FileStore& files, const std::string& folder,
                      const ImportTable& table) {
    ImportPlan plan{folder, {}, table.errors, table.warnings};
    if (!files.DirectoryExists(folder)) {
        plan.errors.insert(plan.errors.begin(),
                           {0, profile::FolderMissingText(folder) + "，没有可导入的地方。"});
        return plan;
    }
    for (const ImportedMonster& row : table.monsters) {
        const std::string at = LineText(row.line) + "：";
        profile::MonsterProfile monster = row.profile;
        const std::string path =
            folder + files.Separator() + profile::MonsterFileName(monster.monsterName);
        ExistingFile existing = ReadExisting(files, path, monster);
        if (existing.problem) {
            plan.errors.push_back({row.line, at + *existing.problem});
            continue;
        }
        profile::MonsterFilesCheck check = profile::PlanMonsterFiles(
            files, folder, monster, existing.extras, monster.butchUseItem == 1);
        if (!check.plan) {
            plan.errors.push_back({row.line, at + ProblemText(check.problem)});
            continue;
        }
        const profile::MonsterFilesPlan& output = *check.plan;
        if (output.monster.before.status == FileContent::Status::Failed) {
            plan.errors.push_back({row.line, at + "已有的怪物文件 " + path + " 无法读取（" +
                                                 output.monster.before.error +
                                                 "），为保护其内容不覆盖。"});
            continue;
        }
        if (output.KeepsDigList())
            plan.warnings.push_back(
                {row.line, at + "掉落文件 " + output.drop.path + " 中已有挖取列表，保持不变。"});
        PlannedMonster planned{row.line, monster.monsterName, ImportAction::Unchanged,
                               std::move(*check.plan)};
        if (planned.files.monster.before.status == FileContent::Status::Missing)
            planned.action = ImportAction::Create;
        else if (!ChangedFiles(planned).empty())
            planned.action = ImportAction::Change;
        plan.monsters.push_back(std::move(planned));
    }
    std::stable_sort(
        plan.errors.begin(), plan.errors.end(),
        [](const ImportMessage& a, const ImportMessage& b) { return a.line < b.line; });
    return plan;
}

ImportResult ApplyImport(profile::FileStore& files, const ImportPlan& plan, std::string_view stamp) {
    ImportResult result;
    constexpr std::string_view kNothingWritten = "没有写入任何文件。";
    for (const PlannedMonster& monster : plan.monsters) {
        for (const PlannedFile* file : ChangedFiles(monster)) {
            if (!profile::SameContent(files.ReadWholeFile(file->path), file->before)) {
                result.failure =
                    file->path + " 在预览之后有了变化，请重新导入。" + std::string(kNothingWritten);
                return result;
            }
            if (auto problem = files.CheckReplaceable(file->path)) {
                result.failure = "无法写入 " + file->path + "（" + *problem + "）。" +
                                 std::string(kNothingWritten);
                return result;
            }
        }
    }
    std::vector<const PlannedFile*> written;
    std::vector<std::string> history;  // versions kept of the files written
    for (const PlannedMonster& monster : plan.monsters) {
        const profile::MonsterFilesWriting writing =
            profile::WriteMonsterFiles(files, monster.files, stamp);
        if (writing.monsterWritten) written.push_back(&monster.files.monster);
        if (writing.dropWritten) written.push_back(&monster.files.drop);
        history.insert(history.end(), writing.history.begin(), writing.history.end());
        if (!writing.failure) continue;
        // The old bytes go back in place, so their history copies go.
        for (const std::string& path : history) files.RemoveFile(path);

        const MonsterFilesProblem& problem = *writing.failure;
        std::string failure = problem.kind == MonsterFilesProblem::Kind::WriteFailed
                                  ? "写入 " + problem.path + " 时失败（" + problem.detail + "）。"
                                  : ProblemText(problem);
        const std::vector<std::string> notRestored = Restore(files, written);
        if (notRestored.empty()) {
            failure += written.empty() ? std::string(kNothingWritten)
                                       : "已写入的 " + std::to_string(written.size()) +
                                             " 个文件都已恢复原样，" + std::string(kNothingWritten);
        } else {
            failure += "以下文件已写入，但未能恢复原样：";
            for (const std::string& path : notRestored) failure += "\r\n" + path;
        }
        result.failure = std::move(failure);
        return result;
    }
    for (const PlannedFile* file : written) result.written.push_back(file->path);
    return result;
}

}  // namespace vorn::monsterfolder
