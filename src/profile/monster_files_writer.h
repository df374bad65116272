// Writing one monster as the program does: the monster file and, when
// digging is allowed, the drop-rate file, into a folder. Planning checks
// everything a write needs and reads what is there; writing then replaces
// each file in one step. The main window's generate command and the import
// of a monster list both go through here, so both write the same bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/extra_lines.h"
#include "profile/file_store.h"
#include "profile/monster_profile.h"

namespace vorn::profile {

// One output file: where it goes, its new bytes, and what was there when the
// write was planned.
struct PlannedFile {
    std::string path;
    std::string bytes;
    FileContent before;
    bool write = false;    // the monster gives this file these bytes
    bool current = false;  // it already holds exactly them: the disk is not touched

    bool Changes() const { return write && !current; }
};

struct MonsterFilesPlan {
    std::string folder;       // where both files go
    std::string monsterName;  // names the files and their history
    PlannedFile monster;
    PlannedFile drop;  // written only when digging is allowed
    bool digging = false;

    // A drop-rate file the administrator filled with a dig list stays as it is.
    bool KeepsDigList() const { return digging && !drop.write; }
};

struct MonsterFilesProblem {
    enum class Kind {
        Name,                // the name cannot be a file name; `detail` says why
        Encoding,            // a field or kept line GBK cannot hold; `detail` is the sentence
        FolderMissing,       // `path` is the folder
        DropFileUnreadable,  // `path`; `detail` is the reason
        NotReplaceable,      // `path`; `detail` is the reason
        WriteFailed,         // `path`; `detail` is the reason
        // Another program changed `path` after the plan read it: nothing written.
        ChangedMeanwhile,
        // The old file could not be kept in the history (`detail` names the
        // history file or folder and the reason): nothing written.
        HistoryFailed,
    };
    Kind kind;
    std::string path;
    std::string detail;
};

struct MonsterFilesCheck {
    std::optional<MonsterFilesPlan> plan;  // nothing when a problem stops the monster
    MonsterFilesProblem problem;
};

// Checks the name, that every field and kept line fits GBK, that `folder` exists and that
// both targets can be replaced; reads what is there. `extras` are the kept
// lines of the monster's opened file (profile.useItems already holds its
// slots 9 and 13). Writes nothing.
MonsterFilesCheck PlanMonsterFiles(FileStore& files, std::string_view folder,
                                   const MonsterProfile& profile, const ExtraLines& extras,
                                   bool digging);

struct MonsterFilesWriting {
    bool monsterWritten = false;
    bool dropWritten = false;
    // The history files that keep what the written files held before.
    std::vector<std::string> history;
    std::optional<MonsterFilesProblem> failure;  // WriteFailed, naming the file
};

// Writes what the plan changes: the monster file, then the drop-rate file.
// Holding the store's write lock, it first checks that each file still holds
// what the plan read (ChangedMeanwhile otherwise) and keeps the old files as
// a history version stamped `stamp` ("yyyyMMdd-HHmmss"); then each file goes
// through FileStore::ReplaceContent, so a failed one stays as it was and its
// history copy is taken back; the first failure stops. Versions beyond the
// newest ones kept are removed afterwards.
MonsterFilesWriting WriteMonsterFiles(FileStore& files, const MonsterFilesPlan& plan,
                                      std::string_view stamp);

// The same for a plan made while the caller held `heldSincePlanning`, the
// store's write lock for plan.folder as LockForWriting gave it, all along:
// nobody of ours can have written since the plan read the files, so they are
// not read again (unless `readAgain`). Without the lock nothing is written
// and the failure gives the reason.
MonsterFilesWriting WritePlannedUnderLock(FileStore& files, const MonsterFilesPlan& plan,
                                          std::string_view stamp,
                                          const WriteLocking& heldSincePlanning,
                                          bool readAgain = false);

}  // namespace vorn::profile
