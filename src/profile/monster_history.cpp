#include "profile/monster_history.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <tuple>
#include <utility>

namespace vorn::profile {
namespace {

constexpr std::string_view kMonsterSuffix = ".txt";
constexpr std::string_view kDropSuffix = "-Item.txt";

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsStamp(std::string_view text) {
    return text.size() == 15 && text[8] == '-' && AllDigits(text.substr(0, 8)) &&
           AllDigits(text.substr(9));
}

struct HistoryFileName {
    std::string stamp;
    int sequence = 1;
    bool drop = false;
};

// "<stamp>[-<sequence>][-Item].txt"; anything else in the folder is not ours.
std::optional<HistoryFileName> ParseHistoryFileName(std::string_view name) {
    HistoryFileName parsed;
    if (name.ends_with(kDropSuffix)) {
        parsed.drop = true;
        name.remove_suffix(kDropSuffix.size());
    } else if (name.ends_with(kMonsterSuffix)) {
        name.remove_suffix(kMonsterSuffix.size());
    } else {
        return std::nullopt;
    }
    if (!IsStamp(name.substr(0, 15))) return std::nullopt;
    parsed.stamp = std::string(name.substr(0, 15));
    name.remove_prefix(15);
    if (name.empty()) return parsed;
    if (name[0] != '-' || !AllDigits(name.substr(1)) || name.size() > 6) return std::nullopt;
    std::from_chars(name.data() + 1, name.data() + name.size(), parsed.sequence);
    if (parsed.sequence < 2) return std::nullopt;
    return parsed;
}

std::string VersionFileName(std::string_view stamp, int sequence, bool drop) {
    std::string name(stamp);
    if (sequence > 1) name.append("-").append(std::to_string(sequence));
    return name.append(drop ? kDropSuffix : kMonsterSuffix);
}

std::optional<std::string> MakeFolder(FileStore& files, const std::string& path) {
    if (files.DirectoryExists(path)) return std::nullopt;
    if (auto problem = files.CreateFolder(path))
        return "无法建立历史版本文件夹：" + path + "（" + *problem + "）";
    return std::nullopt;
}

}  // namespace

std::string VersionStamp(int year, int month, int day, int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", year % 10000, month % 100,
                  day % 100, hour % 100, minute % 100, second % 100);
    return text;
}

std::string HistoryFolder(FileStore& files, std::string_view folder, std::string_view monsterName) {
    const char separator = files.Separator();
    return std::string(folder)
        .append(1, separator)
        .append(kHistoryFolderName)
        .append(1, separator)
        .append(monsterName);
}

std::string HistoryVersion::WhenText() const {
    // yyyyMMdd-HHmmss
    std::string text = stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) +
                       " " + stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" +
                       stamp.substr(13, 2);
    // Two versions of one second are told apart by their number.
    if (sequence > 1) text.append(" (").append(std::to_string(sequence)).append(")");
    return text;
}

bool HistoryVersion::operator<(const HistoryVersion& other) const {
    return std::tie(stamp, sequence) < std::tie(other.stamp, other.sequence);
}

std::vector<HistoryVersion> ListHistory(FileStore& files, std::string_view folder,
                                        std::string_view monsterName) {
    // A folder that is not there lists no files.
    const std::string directory = HistoryFolder(files, folder, monsterName);
    std::map<std::pair<std::string, int>, HistoryVersion> versions;
    for (const std::string& fileName : files.ListFileNames(directory)) {
        const std::optional<HistoryFileName> name = ParseHistoryFileName(fileName);
        if (!name) continue;
        HistoryVersion& version = versions[{name->stamp, name->sequence}];
        version.stamp = name->stamp;
        version.sequence = name->sequence;
        (name->drop ? version.dropPath : version.monsterPath) =
            directory + files.Separator() + fileName;
    }
    std::vector<HistoryVersion> newestFirst;
    for (auto it = versions.rbegin(); it != versions.rend(); ++it)
        newestFirst.push_back(std::move(it->second));
    return newestFirst;
}

KeptVersion KeepVersion(FileStore& files, std::string_view folder, std::string_view monsterName,
                        std::string_view stamp, const ReplacedContent& replaced) {
    KeptVersion kept;
    if (!replaced.monster && !replaced.drop) return kept;
    const std::string directory = HistoryFolder(files, folder, monsterName);
    kept.older = ListHistory(files, folder, monsterName);
    if (kept.older.empty() && !files.DirectoryExists(directory)) {
        const std::string history =
            std::string(folder) + files.Separator() + std::string(kHistoryFolderName);
        for (const std::string& path : {history, directory}) {
            if (auto problem = MakeFolder(files, path)) {
                kept.error = std::move(problem);
                return kept;
            }
        }
    }
    // A second write within the same second gets the next number.
    int sequence = 1;
    for (const HistoryVersion& version : kept.older)
        if (version.stamp == stamp) sequence = std::max(sequence, version.sequence + 1);

    for (auto [content, drop, keptPath] : {std::tuple{&replaced.monster, false, &kept.monsterPath},
                                            std::tuple{&replaced.drop, true, &kept.dropPath}}) {
        if (!*content) continue;
        const std::string path =
            directory + files.Separator() + VersionFileName(stamp, sequence, drop);
        // A new file of its own: if writing it fails, the file it keeps was
        // not touched yet, and the half-written copy goes.
        if (auto problem = files.WriteNewFile(path, **content)) {
            DiscardKeptFile(files, kept.monsterPath);
            kept.monsterPath.clear();
            kept.error = "无法保存历史版本：" + path + "（" + *problem + "）";
            return kept;
        }
        *keptPath = path;
    }
    return kept;
}

void DiscardKeptFile(FileStore& files, const std::string& historyPath) {
    if (!historyPath.empty()) files.RemoveFile(historyPath);
}

void PruneHistory(FileStore& files, const KeptVersion& kept) {
    // The version just kept is the newest; the older ones fill the rest.
    for (std::size_t i = kHistoryVersionsKept - 1; i < kept.older.size(); ++i) {
        for (const std::string* path : {&kept.older[i].monsterPath, &kept.older[i].dropPath})
            if (!path->empty()) files.RemoveFile(*path);
    }
}

}  // namespace vorn::profile
