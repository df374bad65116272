// Where the settings go when the program's own folder cannot be written: the
// user's roaming application data, as other portable tools do.
#pragma once

#include <optional>
#include <string>

namespace vorn::settings {

// "%APPDATA%\VornMonsterTool" on Windows ("$XDG_CONFIG_HOME/VornMonsterTool"
// or "~/.config/VornMonsterTool" elsewhere), UTF-8, or nothing when the
// environment names no such place. The folder itself may not exist yet.
std::optional<std::string> UserSettingsFolder();

}  // namespace vorn::settings
