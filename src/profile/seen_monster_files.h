// What a window last read or wrote of a monster's two files, so that a later
// write can tell whether someone else changed them in between.
#pragma once

#include <optional>
#include <string>

#include "profile/file_store.h"
#include "profile/monster_files_writer.h"

namespace vorn::profile {

struct SeenFile {
    std::string path;
    FileContent content;  // Read with its bytes, or Missing
};

struct SeenMonsterFiles {
    SeenFile monster;
    SeenFile drop;
};

// Both files as they are now, the monster file's bytes being those just read
// from `monsterPath` by opening it.
SeenMonsterFiles SeenAtOpening(FileStore& files, const std::string& monsterPath,
                               const std::string& monsterBytes);

// Both files as a write of `plan` left them (what it wrote, or what it left).
SeenMonsterFiles SeenAfterWriting(const MonsterFilesPlan& plan, const MonsterFilesWriting& writing);

// The first file `plan` would replace that now holds something other than
// what was seen of it: another program wrote it in between. A file that was
// never seen, or that is gone now, does not count: writing it loses nothing
// that was there before.
const PlannedFile* ChangedSinceSeen(const MonsterFilesPlan& plan, const SeenMonsterFiles& seen);

}  // namespace vorn::profile
