// The questions a generation may ask before it writes: whether to overwrite
// a file someone else changed since this window last read or wrote it, and
// whether to make the MonUseItems folder that is not there yet.
#pragma once

#include <string_view>

#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/control_commands.h"

namespace vorn::mainwindow {

// Names the file and when it was changed (`changedAt` may be empty);
// "返回", "重新打开" and "覆盖" from left to right, "返回" focused.
runtime::BoxRequest ChangedOnDiskRequest(runtime::WindowHandle owner, std::string_view path,
                                         std::string_view changedAt);

enum class ChangedOnDiskChoice { Overwrite, OpenFromDisk, GoBack };

// The close button (and Esc), and a box that could not be shown, go back.
ChangedOnDiskChoice ChangedOnDiskChoiceOf(runtime::BoxAnswer answer);

// Names the folder; "取消" and "建立并生成", the latter focused.
runtime::BoxRequest CreateFolderRequest(runtime::WindowHandle owner, std::string_view folder);

// Only "建立并生成" makes the folder.
bool CreateFolderChosen(runtime::BoxAnswer answer);

}  // namespace vorn::mainwindow
