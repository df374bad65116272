// The question asked before changes that are not generated yet would be
// lost: by closing, starting a new monster or opening another file.
#pragma once

#include <string_view>

#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/control_commands.h"

namespace vorn::mainwindow {

enum class Leaving { Closing, NewMonster, OpeningFile };

// Names the monster (when it has a name) and what is about to happen;
// "生成文件", "不生成" and "取消" from left to right, "生成文件" focused.
runtime::BoxRequest UnsavedChangesRequest(runtime::WindowHandle owner, std::string_view monsterName,
                                          Leaving leaving);

enum class UnsavedChoice { GenerateFirst, GoOn, Cancel };

// The box's close button (and Esc, which presses it) cancels, as does a box
// that could not be shown.
UnsavedChoice UnsavedChoiceOf(runtime::BoxAnswer answer);

}  // namespace vorn::mainwindow
