// Earlier versions of a monster's files. Before the program replaces a
// monster file or its drop-rate file, the old one is kept as
// <folder>\history\<name>\<yyyyMMdd-HHmmss>.txt (and ...-Item.txt); the
// newest versions of each monster are kept, older ones removed. The game
// server reads no subfolders, so the history never reaches it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/file_store.h"

namespace vorn::profile {

inline constexpr std::string_view kHistoryFolderName = "history";
inline constexpr std::size_t kHistoryVersionsKept = 20;

// "yyyyMMdd-HHmmss" of a local time: names a version.
std::string VersionStamp(int year, int month, int day, int hour, int minute, int second);

// <folder><sep>history<sep><name>
std::string HistoryFolder(FileStore& files, std::string_view folder, std::string_view monsterName);

// One kept version: the files replaced by one write, named by the moment.
struct HistoryVersion {
    std::string stamp;  // "yyyyMMdd-HHmmss"
    int sequence = 1;   // above 1 for a second version within the same second
    std::string monsterPath;  // empty when the write left the monster file alone
    std::string dropPath;     // empty when it left the drop-rate file alone

    // "yyyy-MM-dd HH:mm:ss" of the stamp, followed by " (2)" and so on for a
    // later version of the same second.
    std::string WhenText() const;
    bool operator<(const HistoryVersion& other) const;  // older first
};

// The kept versions of a monster, newest first; none when it has no history.
std::vector<HistoryVersion> ListHistory(FileStore& files, std::string_view folder,
                                        std::string_view monsterName);

// The old content of the files about to be replaced; nothing for a file
// that is not replaced or was not there.
struct ReplacedContent {
    std::optional<std::string> monster;
    std::optional<std::string> drop;
};

struct KeptVersion {
    std::string monsterPath;  // the history files written; empty when none
    std::string dropPath;
    std::optional<std::string> error;  // why nothing could be kept; names the file
    // The versions there were before this one, newest first.
    std::vector<HistoryVersion> older;
};

// Keeps `replaced` as a new version stamped `stamp` ("yyyyMMdd-HHmmss"),
// making the history folders as needed. On failure nothing stays behind.
KeptVersion KeepVersion(FileStore& files, std::string_view folder, std::string_view monsterName,
                        std::string_view stamp, const ReplacedContent& replaced);

// Takes back what was kept of a file whose write then failed.
void DiscardKeptFile(FileStore& files, const std::string& historyPath);

// Once a version was kept: removes the older versions beyond the newest
// kHistoryVersionsKept in all.
void PruneHistory(FileStore& files, const KeptVersion& kept);

}  // namespace vorn::profile
