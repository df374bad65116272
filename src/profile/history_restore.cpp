#include "profile/history_restore.h"

#include <utility>

#include "profile/monster_name.h"

namespace vorn::profile {

MonsterFilesWriting RestoreVersion(FileStore& files, std::string_view folder,
                                   std::string_view monsterName, const HistoryVersion& version,
                                   std::string_view stamp) {
    MonsterFilesPlan plan;
    plan.folder = std::string(folder);
    plan.monsterName = std::string(monsterName);
    const std::pair<PlannedFile*, std::pair<const std::string*, std::string>> targets[] = {
        {&plan.monster, {&version.monsterPath, MonsterFileName(monsterName)}},
        {&plan.drop, {&version.dropPath, DropRateFileName(monsterName)}},
    };
    for (const auto& [file, source] : targets) {
        file->path = plan.folder + files.Separator() + source.second;
        if (source.first->empty()) continue;
        const FileContent kept = files.ReadWholeFile(*source.first);
        if (kept.status != FileContent::Status::Read) {
            MonsterFilesWriting failed;
            failed.failure = MonsterFilesProblem{
                MonsterFilesProblem::Kind::HistoryFailed, *source.first,
                "无法读取历史版本：" + *source.first + "（" +
                    (kept.status == FileContent::Status::Missing ? std::string("文件已不存在")
                                                                 : kept.error) +
                    "）"};
            return failed;
        }
        file->bytes = kept.bytes;
        file->before = files.ReadWholeFile(file->path);
        file->write = true;
        file->current = SameContent(file->before, kept);
    }
    return WriteMonsterFiles(files, plan, stamp);
}

}  // namespace vorn::profile
