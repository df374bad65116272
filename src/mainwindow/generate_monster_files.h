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

// Everything is checked before the first byte is written (the name, that every
// field fits GBK, that MonUseItems exists, that the targets can be replaced),
// and each file is replaced in one step, so a failure leaves the old files as
// they were. A drop-rate file the administrator has filled with a dig list is
// kept. Success shows the generate tip box, a failure an error box that says
// what went wrong; both are owned by `owner`.
//
// Returns the monster file's path when it was generated; nothing when a
// failure box was shown instead (also when only the drop-rate file failed).
//
// `opened` is what was kept of the monster file opened last, if any: it is
// written while the name box holds that monster's name. Under another name
// it is left out, and the success box says so.
std::optional<std::string> GenerateMonsterFiles(runtime::PropertyAccess& properties, profile::FileStore& files,
                          runtime::BoxService& boxes, runtime::WindowHandle owner,
                          const OutputFolder& folder,
                          const KeptFromFile* opened = nullptr);

}  // namespace vorn::mainwindow
