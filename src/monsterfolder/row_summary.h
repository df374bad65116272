// One monster file summed up as a row of the folder's list, from the bytes
// read: the same reader as the main window's, so the list shows what the
// window would.
#pragma once

#include "monsterfolder/monster_row.h"
#include "profile/file_store.h"
#include "profile/folder_listing.h"

namespace vorn::monsterfolder {

// `listed` is the file as the folder's listing gave it, `content` what
// reading it gave; `dropFileListed` whether <name>-Item.txt is beside it.
MonsterRow SummariseMonster(const profile::FolderFile& listed, const profile::FileContent& content,
                            bool dropFileListed, const ItemNameCheck& knownItem = {});

}  // namespace vorn::monsterfolder
