#include "profile/seen_monster_files.h"

#include "profile/monster_name.h"

namespace vorn::profile {
namespace {

FileContent Holding(const std::string& bytes) { return {FileContent::Status::Read, bytes, {}}; }

SeenFile AfterWriting(const PlannedFile& file, bool written) {
    return {file.path, written || file.current ? Holding(file.bytes) : file.before};
}

bool ChangedSince(const PlannedFile& file, const SeenFile& seen) {
    return file.Changes() && file.path == seen.path &&
           file.before.status == FileContent::Status::Read && !SameContent(file.before, seen.content);
}

}  // namespace

SeenMonsterFiles SeenAtOpening(FileStore& files, const std::string& monsterPath,
                               const std::string& monsterBytes) {
    SeenMonsterFiles seen{{monsterPath, Holding(monsterBytes)}, {}};
    if (!HasTextFileSuffix(monsterPath)) return seen;
    seen.drop.path = monsterPath.substr(0, monsterPath.size() - 4).append("-Item.txt");
    seen.drop.content = files.ReadWholeFile(seen.drop.path);
    if (seen.drop.content.status == FileContent::Status::Failed) seen.drop = {};
    return seen;
}

SeenMonsterFiles SeenAfterWriting(const MonsterFilesPlan& plan, const MonsterFilesWriting& writing) {
    // Without digging the drop-rate file was neither read nor written.
    return {AfterWriting(plan.monster, writing.monsterWritten),
            plan.digging ? AfterWriting(plan.drop, writing.dropWritten) : SeenFile{}};
}

const PlannedFile* ChangedSinceSeen(const MonsterFilesPlan& plan, const SeenMonsterFiles& seen) {
    if (ChangedSince(plan.monster, seen.monster)) return &plan.monster;
    if (ChangedSince(plan.drop, seen.drop)) return &plan.drop;
    return nullptr;
}

}  // namespace vorn::profile
