#include "settings/settings_store.h"

#include <algorithm>
#include <utility>

namespace vorn::settings {

using profile::FileContent;

SettingsStore::SettingsStore(profile::FileStore& files, std::string programFolder,
                             std::optional<std::string> userFolder)
    : files_(files), programFolder_(std::move(programFolder)), userFolder_(std::move(userFolder)) {}

std::string SettingsStore::FileIn(const std::string& folder) const {
    return folder + files_.Separator() + std::string(kSettingsFileName);
}

SettingsReading SettingsStore::Load() {
    const std::string besideProgram = FileIn(programFolder_);
    FileContent content = files_.ReadFileUpTo(besideProgram, kSettingsFileLimit);
    std::optional<std::string> folder;
    if (content.status != FileContent::Status::Missing) folder = programFolder_;
    if (userFolder_ && (!folder || files_.CheckReplaceable(besideProgram))) {
        FileContent inUserFolder = files_.ReadFileUpTo(FileIn(*userFolder_), kSettingsFileLimit);
        if (inUserFolder.status != FileContent::Status::Missing) {
            content = std::move(inUserFolder);
            folder = userFolder_;
        }
    }
    fileFolder_ = std::move(folder);
    SettingsReading reading = ReadSettingsFile(content);
    saved_ = reading.settings;
    return reading;
}

std::vector<std::string> SettingsStore::FoldersToTry() const {
    std::vector<std::string> folders;
    const std::optional<std::string> candidates[] = {fileFolder_, programFolder_, userFolder_};
    for (const std::optional<std::string>& folder : candidates)
        if (folder && std::ranges::find(folders, *folder) == folders.end())
            folders.push_back(*folder);
    return folders;
}

std::optional<std::string> SettingsStore::Save(const IniDocument& settings) {
    if (settings == saved_) return std::nullopt;
    const std::optional<std::string> bytes = SettingsFileBytes(settings);
    if (!bytes) return std::string("设置中有无效的文字，无法保存");

    std::optional<std::string> firstProblem;
    for (const std::string& folder : FoldersToTry()) {
        std::optional<std::string> problem;
        if (folder != programFolder_) problem = files_.CreateFolder(folder);
        if (!problem) problem = files_.ReplaceContent(FileIn(folder), *bytes);
        if (!problem) {
            fileFolder_ = folder;
            saved_ = settings;
            return std::nullopt;
        }
        if (!firstProblem) firstProblem = FileIn(folder) + "：" + *problem;
    }
    return firstProblem;
}

std::string SettingsStore::Path() const { return FileIn(fileFolder_.value_or(programFolder_)); }

}  // namespace vorn::settings
