// Where VornMonsterTool.ini lives, and reading and replacing it whole. The
// file sits beside the program, so a copied folder takes its settings along;
// when that folder cannot be written, the user's settings folder holds it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "profile/file_store.h"
#include "settings/ini_document.h"
#include "settings/settings_file.h"

namespace vorn::settings {

class SettingsStore {
public:
    // `userFolder` is the fallback (see UserSettingsFolder), nothing for none.
    SettingsStore(profile::FileStore& files, std::string programFolder,
                  std::optional<std::string> userFolder);

    // The file in the program's folder, unless it cannot be replaced there and
    // the user folder holds one (written there for that very reason). Never
    // fails: see ReadSettingsFile.
    SettingsReading Load();

    // Gives the file exactly these settings, through a temporary file that
    // replaces it (FileStore::ReplaceContent). Writes nothing while the file
    // already holds them, so no file appears before there is something to
    // remember. Tries the folder the file is in first, then the program's
    // folder, then the user folder (made when missing). Nothing when done or
    // not needed, otherwise why it could be written nowhere.
    std::optional<std::string> Save(const IniDocument& settings);

    // The file read or written last, or where the first one will go.
    std::string Path() const;

private:
    std::string FileIn(const std::string& folder) const;
    std::vector<std::string> FoldersToTry() const;

    profile::FileStore& files_;
    std::string programFolder_;
    std::optional<std::string> userFolder_;
    std::optional<std::string> fileFolder_;  // where the file is, once known
    IniDocument saved_;                      // what the file holds, as far as it was understood
};

}  // namespace vorn::settings
