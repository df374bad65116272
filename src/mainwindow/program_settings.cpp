#include "mainwindow/program_settings.h"

#include <utility>

#include "mainwindow/tip_line.h"

namespace vorn::mainwindow {

void ProgramSettings::Load(settings::SettingsStore& store, runtime::PropertyAccess& properties) {
    store_ = &store;
    settings::SettingsReading reading = store.Load();
    settings_ = std::move(reading.settings);
    // A file opened before the settings were read (from the command line)
    // stays the most recent one.
    const std::vector<std::string> earlier = list_.Paths();
    list_ = settings::RecentFiles::FromSettings(settings_);
    for (auto path = earlier.rbegin(); path != earlier.rend(); ++path) list_.Add(*path);
    if (!earlier.empty()) Save(properties);
    if (reading.ignoredBecause)
        WriteTip(properties, "友情提示：设置文件无法读取，已使用默认设置（" + *reading.ignoredBecause + "）");
}

void ProgramSettings::Remember(std::string_view path, runtime::PropertyAccess& properties) {
    list_.Add(path);
    Save(properties);
}

void ProgramSettings::Forget(std::string_view path, runtime::PropertyAccess& properties) {
    if (list_.Remove(path)) Save(properties);
}

namespace {
constexpr std::string_view kFolders = "Folders";
constexpr std::string_view kMonsterFolder = "Monsters";
constexpr std::string_view kNames = "Names";

std::string_view KeyOf(ProgramSettings::NameTableKind kind) {
    return kind == ProgramSettings::NameTableKind::Items ? "Items" : "Monsters";
}
}  // namespace

std::optional<std::string> ProgramSettings::NameTablePath(NameTableKind kind) const {
    std::optional<std::string> path = settings_.Value(kNames, KeyOf(kind));
    if (path && path->empty()) path.reset();
    return path;
}

void ProgramSettings::SetNameTablePath(NameTableKind kind, std::string_view path,
                                       runtime::PropertyAccess& properties) {
    settings_.SetValue(kNames, KeyOf(kind), path);
    Save(properties);
}

std::optional<std::string> ProgramSettings::MonsterFolder() const {
    std::optional<std::string> folder = settings_.Value(kFolders, kMonsterFolder);
    if (folder && folder->empty()) folder.reset();
    return folder;
}

void ProgramSettings::SetMonsterFolder(std::string_view folder, runtime::PropertyAccess& properties) {
    settings_.SetValue(kFolders, kMonsterFolder, folder);
    Save(properties);
}

void ProgramSettings::Save(runtime::PropertyAccess& properties) {
    if (!store_) return;
    list_.WriteTo(settings_);
    const std::optional<std::string> problem = store_->Save(settings_);
    if (!problem || saveProblemTold_) return;
    saveProblemTold_ = true;
    WriteTip(properties, "友情提示：设置无法保存（" + *problem + "）");
}

}  // namespace vorn::mainwindow
