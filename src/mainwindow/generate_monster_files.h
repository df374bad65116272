// The generate command: reads the monster from the window, writes its monster
// file and (when digging is allowed) its drop-rate file into the output
// folder (MonUseItems beside the program, unless the user works in another
// one), and tells the user how it went.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mainwindow/kept_from_file.h"
#include "profile/file_store.h"
#include "profile/seen_monster_files.h"
#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// Where the files go: MonUseItems beside the program, or a folder the user
// works in (one chosen for the monster list, or the one an opened file came
// from); the boxes name the latter by its path.
struct OutputFolder {
    std::string path;
    bool besideProgram = true;
};

// MonUseItems in `programDirectory`.
OutputFolder DefaultOutputFolder(std::string_view programDirectory, char separator);

// What a generation did.
struct Generation {
    // The monster file's path when it was generated; nothing when a failure
    // box was shown instead (also when only the drop-rate file failed) or
    // the user went back.
    std::optional<std::string> monsterPath;
    // Both files as the generation left them, for the next one to compare.
    std::optional<profile::SeenMonsterFiles> seen;
    // The user chose to open the file on disk instead of overwriting it.
    std::optional<std::string> openInstead;
};

// Everything is checked before the first byte is written (the name, that every
// field fits GBK, that MonUseItems exists, that the targets can be replaced),
// and each file is replaced in one step, so a failure leaves the old files as
// they were. A drop-rate file the administrator has filled with a dig list is
// kept. Success shows the generate tip box, a failure an error box that says
// what went wrong; both are owned by `owner`. A missing MonUseItems beside
// the program may be made first, when the user agrees.
//
// A file replaced is first kept in the history under `stamp`. When a file
// holds something other than `seen` says (someone else wrote it since this
// window read or wrote it, also while this generation ran), the user is
// asked first: overwrite, open the file on disk instead, or go back.
//
// `opened` is what was kept of the monster file opened last, if any: it is
// written while the name box holds that monster's name. Under another name
// it is left out, and the success box says so.
Generation GenerateMonsterFiles(runtime::PropertyAccess& properties, profile::FileStore& files,
                                runtime::BoxService& boxes, runtime::WindowHandle owner,
                                const OutputFolder& folder, std::string_view stamp,
                                const KeptFromFile* opened = nullptr,
                                const profile::SeenMonsterFiles* seen = nullptr);

}  // namespace vorn::mainwindow
