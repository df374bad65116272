// The open command: a monster file dropped on the main window or named on the
// command line fills the window, so that changing one value of an existing
// monster is open, change, generate.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mainwindow/kept_from_file.h"
#include "profile/file_store.h"
#include "profile/monster_file_reader.h"
#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/events.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// What opening gives: the monster file read (a drop-rate file stands for the
// one beside it) and what the window has no control for.
struct OpenedMonster {
    std::string path;
    KeptFromFile kept;
    std::string bytes;  // the file as read
};

using profile::kMonsterFileLimit;

// Opens "<name>.txt" at `path` (a drop-rate file "<name>-Item.txt" stands for
// the "<name>.txt" beside it). The name box gets <name>, every other control
// its field, through the handlers (ShowProfile); then the tip line names the
// file (and the encoding it was converted from, when not GBK), followed by
// `tipNote`, and one box owned by `owner` lists what the
// window could not show as the file has it. Returns the file read and what
// the window has no control for, for the next generation.
//
// A file that is missing, unreadable, a folder, larger than
// kMonsterFileLimit, not text, in no encoding the reader knows or without
// [Info] gets an error box
// instead (its reason followed by `tipNote`), touches no control and returns
// nothing.
std::optional<OpenedMonster> OpenMonsterFile(runtime::PropertyAccess& properties,
                                             runtime::EventSink& handlers,
                                             profile::FileStore& files, runtime::BoxService& boxes,
                                             runtime::WindowHandle owner, std::string_view path,
                                             std::string_view tipNote = {});

}  // namespace vorn::mainwindow
