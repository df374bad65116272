// The standard Windows open dialog, asking for one monster file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vorn::shell {

// Shows the dialog owned by `owner`, listing "怪物文件 (*.txt)" and starting
// in `startFolder` (UTF-8); the chosen file's UTF-8 path, or nothing when the
// user cancels. The current directory stays as it was.
std::optional<std::string> ChooseMonsterFile(HWND owner, const std::string& startFolder);

}  // namespace vorn::shell
