// An in-memory MonUseItems folder and monster files for it, written by the
// program's own text writer: the monster-folder tests check what is read
// and written around those bytes, not the bytes of one field.
#pragma once

#include <string>
#include <string_view>

#include "native/memory_file_store.h"
#include "profile/extra_lines.h"
#include "profile/monster_profile.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"

namespace vorn::testing {

inline constexpr std::string_view kFolder = "mem/MonUseItems";

inline std::string InFolder(std::string_view fileName) {
    return std::string(kFolder) + "/" + std::string(fileName);
}

// The GBK bytes the generate command writes for this monster.
inline std::string MonsterFileBytes(const profile::MonsterProfile& monster,
                                    const profile::ExtraLines& extras = {}) {
    return runtime::Utf8ToGbk(profile::MonsterHeaderLine(monster.monsterName) +
                              profile::MonsterBody(monster, extras))
        .value_or("");
}

inline profile::MonsterProfile Monster(std::string_view name) {
    profile::MonsterProfile monster;
    monster.monsterName = name;
    return monster;
}

// A store holding the folder, empty.
inline MemoryFileStore FolderStore() {
    MemoryFileStore store;
    store.folders.insert(std::string(kFolder));
    return store;
}

}  // namespace vorn::testing
