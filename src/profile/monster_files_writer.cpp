#include "profile/monster_files_writer.h"

#include <tuple>
#include <utility>

#include "profile/field_encoding.h"
#include "profile/monster_history.h"
#include "profile/monster_name.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"

namespace vorn::profile {
namespace {

using Kind = MonsterFilesProblem::Kind;

MonsterFilesCheck Refused(Kind kind, std::string path, std::string detail = {}) {
    return {std::nullopt, {kind, std::move(path), std::move(detail)}};
}

// What to do with an existing drop-rate file: only an empty file or the
// program's own comment line may be overwritten; anything else is the
// administrator's dig list.
void PlanDropFile(PlannedFile& drop) {
    drop.current =
        drop.before.status == FileContent::Status::Read && drop.before.bytes == drop.bytes;
    drop.write = drop.before.status == FileContent::Status::Missing || drop.current ||
                 (drop.before.status == FileContent::Status::Read && drop.before.bytes.empty());
}

// Writes under a held lock. `readAgain`: the plan was made without the lock,
// so each file is read again to see that it still holds what the plan read.
MonsterFilesWriting WriteHoldingLock(FileStore& files, const MonsterFilesPlan& plan,
                                     std::string_view stamp, bool readAgain) {
    MonsterFilesWriting writing;
    const auto fail = [&](Kind kind, const std::string& path, std::string detail) {
        writing.failure = MonsterFilesProblem{kind, path, std::move(detail)};
        return writing;
    };
    ReplacedContent replaced;
    for (auto [file, old] : {std::pair{&plan.monster, &replaced.monster},
                             std::pair{&plan.drop, &replaced.drop}}) {
        if (!file->Changes()) continue;
        if (!readAgain) {
            if (file->before.status == FileContent::Status::Read) *old = file->before.bytes;
            continue;
        }
        const FileContent now = files.ReadWholeFile(file->path);
        if (now.status == FileContent::Status::Failed)
            return fail(Kind::HistoryFailed, file->path,
                        "无法读取原有文件，不能先保存它的历史版本（" + now.error + "）");
        if (!SameContent(now, file->before)) return fail(Kind::ChangedMeanwhile, file->path, {});
        if (now.status == FileContent::Status::Read) *old = now.bytes;
    }
    KeptVersion kept = KeepVersion(files, plan.folder, plan.monsterName, stamp, replaced);
    if (kept.error) return fail(Kind::HistoryFailed, plan.monster.path, std::move(*kept.error));

    for (auto [file, written, keptPath] :
         {std::tuple{&plan.monster, &writing.monsterWritten, &kept.monsterPath},
          std::tuple{&plan.drop, &writing.dropWritten, &kept.dropPath}}) {
        if (!file->Changes()) continue;
        // Under the lock a file found missing is still missing.
        const bool missing = file->before.status == FileContent::Status::Missing;
        if (auto problem = missing ? files.CreateContent(file->path, file->bytes)
                                   : files.ReplaceContent(file->path, file->bytes)) {
            // No history entry for a write that did not happen.
            DiscardKeptFile(files, *keptPath);
            if (file == &plan.monster) DiscardKeptFile(files, kept.dropPath);
            return fail(Kind::WriteFailed, file->path, std::move(*problem));
        }
        *written = true;
        if (!keptPath->empty()) writing.history.push_back(*keptPath);
    }
    if (!writing.history.empty()) PruneHistory(files, kept);
    return writing;
}

}  // namespace

MonsterFilesCheck PlanMonsterFiles(FileStore& files, std::string_view folder,
                                   const MonsterProfile& profile, const ExtraLines& extras,
                                   bool digging) {
    const std::string& name = profile.monsterName;
    if (auto problem = MonsterNameProblem(name))
        return Refused(Kind::Name, {}, std::move(*problem));
    if (auto problem = ProfileGbkProblem(profile))
        return Refused(Kind::Encoding, {}, std::move(*problem));
    const std::optional<std::string> header = runtime::Utf8ToGbk(MonsterHeaderLine(name));
    const std::optional<std::string> body = runtime::Utf8ToGbk(MonsterBody(profile, extras));
    const std::optional<std::string> dropLine = runtime::Utf8ToGbk(DropRateLine(name));
    if (!header || !body || !dropLine)
        return Refused(Kind::Encoding, {},
                       KeptLinesGbkProblem(extras).value_or("文件内容无法用 GBK 编码保存。"));

    const std::string directory(folder);
    if (!files.DirectoryExists(directory)) return Refused(Kind::FolderMissing, directory);

    const char separator = files.Separator();
    MonsterFilesPlan plan;
    plan.folder = directory;
    plan.monsterName = name;
    plan.digging = digging;
    PlannedFile& monster = plan.monster;
    monster.path = directory + separator + MonsterFileName(name);
    monster.bytes = *header + *body;
    monster.before = files.ReadWholeFile(monster.path);
    monster.write = true;
    monster.current =
        monster.before.status == FileContent::Status::Read && monster.before.bytes == monster.bytes;

    PlannedFile& drop = plan.drop;
    drop.path = directory + separator + DropRateFileName(name);
    drop.bytes = *dropLine;
    if (digging) {
        drop.before = files.ReadWholeFile(drop.path);
        if (drop.before.status == FileContent::Status::Failed)
            return Refused(Kind::DropFileUnreadable, drop.path, drop.before.error);
        PlanDropFile(drop);
    }
    // A file the reading found missing has nothing in the way. When both
    // files change, each is checked fully before anything is written: one
    // held open by another program would leave the pair half written. A
    // single file is written whole or not at all anyway, and ReplaceContent
    // waits out a file in use and names it itself.
    const bool both = monster.Changes() && drop.Changes();
    for (const PlannedFile* file : {&monster, &drop}) {
        if (!file->write || file->before.status == FileContent::Status::Missing) continue;
        if (auto problem = both ? files.CheckReplaceable(file->path)
                                : files.CheckLastingObstacle(file->path))
            return Refused(Kind::NotReplaceable, file->path, std::move(*problem));
    }
    return {std::move(plan), {}};
}

MonsterFilesWriting WriteMonsterFiles(FileStore& files, const MonsterFilesPlan& plan,
                                      std::string_view stamp) {
    if (!plan.monster.Changes() && !plan.drop.Changes()) return {};
    return WritePlannedUnderLock(files, plan, stamp, files.LockForWriting(plan.folder), true);
}

MonsterFilesWriting WritePlannedUnderLock(FileStore& files, const MonsterFilesPlan& plan,
                                          std::string_view stamp,
                                          const WriteLocking& heldSincePlanning, bool readAgain) {
    if (!plan.monster.Changes() && !plan.drop.Changes()) return {};
    if (!heldSincePlanning.lock) {
        MonsterFilesWriting writing;
        writing.failure = MonsterFilesProblem{Kind::WriteFailed, plan.monster.path,
                                              heldSincePlanning.error.value_or(std::string())};
        return writing;
    }
    return WriteHoldingLock(files, plan, stamp, readAgain);
}

}  // namespace vorn::profile
