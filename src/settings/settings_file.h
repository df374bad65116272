// The bytes of VornMonsterTool.ini. The program writes UTF-16LE with a
// byte-order mark and CR LF line ends; a copy edited by hand may come back as
// UTF-8 (with or without its mark), UTF-16BE or GBK and is read just as well.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "profile/file_store.h"
#include "settings/ini_document.h"

namespace vorn::settings {

inline constexpr std::string_view kSettingsFileName = "VornMonsterTool.ini";

// Settings are a few kilobytes; a larger file is not this program's.
inline constexpr std::size_t kSettingsFileLimit = 256 * 1024;

struct SettingsReading {
    IniDocument settings;
    // Why the file's content was not used (the defaults are), or nothing when
    // it was read or there is no file.
    std::optional<std::string> ignoredBecause;
};

// Never fails: a missing or empty file gives no settings and no reason; one
// that cannot be read, is not text, cannot be decoded or is not INI gives no
// settings and says why.
SettingsReading ReadSettingsFile(const profile::FileContent& content);

// The whole file for these settings, or nothing when a name or value is not
// valid UTF-8 (it would not survive the conversion).
std::optional<std::string> SettingsFileBytes(const IniDocument& settings);

}  // namespace vorn::settings
