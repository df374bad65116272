// Putting a kept version of a monster back in place.
#pragma once

#include <string_view>

#include "profile/file_store.h"
#include "profile/monster_files_writer.h"
#include "profile/monster_history.h"

namespace vorn::profile {

// The version's files replace the monster's current ones (a version without
// a drop-rate file leaves that file alone). They go through
// WriteMonsterFiles, so the files replaced are kept as a version of their
// own first, under `stamp`, and a restore can itself be undone. A history
// file that cannot be read is a HistoryFailed problem; nothing is written.
MonsterFilesWriting RestoreVersion(FileStore& files, std::string_view folder,
                                   std::string_view monsterName, const HistoryVersion& version,
                                   std::string_view stamp);

}  // namespace vorn::profile
