// The monsters of a folder (a server's MonUseItems): every "<name>.txt" that
// is not a drop-rate file, each read and summed up as a row of the list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "monsterfolder/monster_row.h"
#include "profile/file_store.h"

namespace vorn::monsterfolder {

struct FolderReading {
    std::vector<MonsterRow> rows;      // in the order the folder lists them
    std::optional<std::string> error;  // the folder could not be listed; no rows
};

// Lists the folder and reads each monster file (up to
// profile::kMonsterFileLimit). A file that cannot be read, or has gone since
// the listing, is a row that says so.
FolderReading ReadMonsterFolder(profile::FileStore& files, const std::string& folder,
                                const ItemNameCheck& knownItem = {});

}  // namespace vorn::monsterfolder
