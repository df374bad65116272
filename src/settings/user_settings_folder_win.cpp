#include <windows.h>

#include "runtime/base/utf_win.h"
#include "settings/user_settings_folder.h"

namespace vorn::settings {

std::optional<std::string> UserSettingsFolder() {
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (length <= 1) return std::nullopt;
    std::wstring folder(length, L'\0');
    const DWORD written = GetEnvironmentVariableW(L"APPDATA", folder.data(), length);
    if (written == 0 || written >= length) return std::nullopt;
    folder.resize(written);
    while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
    if (folder.empty()) return std::nullopt;
    return runtime::Narrow(folder) + "\\VornMonsterTool";
}

}  // namespace vorn::settings
