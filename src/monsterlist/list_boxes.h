// The boxes of the monster list: a question with the list's wording, and a
// report that lists what happened (left-aligned, long lists cut short).
#pragma once

#include <string>
#include <vector>

#include "runtime/interfaces/box_request.h"

namespace vorn::monsterlist {

// True when the user pressed `yes` (the focused button); the other button,
// Esc and the close button answer no.
bool Ask(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string title,
         std::string message, std::string yes, std::string no = "取消");

// An information box with one "确定".
void Tell(runtime::BoxService& boxes, runtime::WindowHandle owner, std::string title,
          std::string message);

// `lines` one a line, at most `most` of them, then "……另有 N 条".
std::string LinesUpTo(const std::vector<std::string>& lines, std::size_t most);

}  // namespace vorn::monsterlist
