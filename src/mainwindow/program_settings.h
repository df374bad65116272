// What the program remembers, as the main window keeps it: the recent
// monster files and the monster folder chosen for the list. Read from the
// settings file once, saved whenever something changes (the whole file, so
// no setting is lost), and whatever goes wrong with the file told in the tip
// line rather than in a box, since nothing the user asked for failed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/interfaces/property_access.h"
#include "settings/ini_document.h"
#include "settings/recent_files.h"
#include "settings/settings_store.h"

namespace vorn::mainwindow {

class ProgramSettings {
public:
    // Reads the settings; when the file could not be used, the tip line says
    // so and the list starts empty (the file is replaced when the list is
    // next saved). Until then the list lives in memory only, and what it
    // holds by then comes first.
    void Load(settings::SettingsStore& store, runtime::PropertyAccess& properties);

    // A file opened or generated: first in the list, and saved.
    void Remember(std::string_view path, runtime::PropertyAccess& properties);
    // A file that is gone: out of the list, and saved.
    void Forget(std::string_view path, runtime::PropertyAccess& properties);

    const std::vector<std::string>& Paths() const { return list_.Paths(); }

    // The folder the user chose for the monster list ("[Folders]
    // Monsters="), or nothing: then MonUseItems beside the program.
    std::optional<std::string> MonsterFolder() const;
    void SetMonsterFolder(std::string_view folder, runtime::PropertyAccess& properties);

    // The server's name tables ("[Names] Items=", "Monsters="), or nothing.
    enum class NameTableKind { Items, Monsters };
    std::optional<std::string> NameTablePath(NameTableKind kind) const;
    void SetNameTablePath(NameTableKind kind, std::string_view path, runtime::PropertyAccess& properties);

private:
    void Save(runtime::PropertyAccess& properties);

    settings::SettingsStore* store_ = nullptr;
    settings::IniDocument settings_;  // every setting, so saving keeps the others
    settings::RecentFiles list_;
    bool saveProblemTold_ = false;   // once is enough
};

}  // namespace vorn::mainwindow
