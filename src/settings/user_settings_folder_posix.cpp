#include <cstdlib>

#include "settings/user_settings_folder.h"

namespace vorn::settings {

std::optional<std::string> UserSettingsFolder() {
    const auto variable = [](const char* name) -> std::string {
        const char* value = std::getenv(name);
        return value ? value : "";
    };
    if (std::string config = variable("XDG_CONFIG_HOME"); !config.empty())
        return config + "/VornMonsterTool";
    if (std::string home = variable("HOME"); !home.empty()) return home + "/.config/VornMonsterTool";
    return std::nullopt;
}

}  // namespace vorn::settings
