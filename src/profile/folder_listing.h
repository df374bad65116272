// What a folder's listing says about each file in it: enough for a list of
// files that sorts by time and shows it, without opening any file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorn::profile {

struct FolderFile {
    std::string name;        // UTF-8, without the folder
    std::uint64_t size = 0;  // bytes
    // Last written, in 100 ns steps since 1601-01-01 UTC (the Windows file
    // time): compares as the moments do.
    std::int64_t modified = 0;
    std::string modifiedText;  // the same moment in local time, "YYYY-MM-DD HH:MM"
};

struct FolderListing {
    std::vector<FolderFile> files;     // plain files only, in the system's order
    std::optional<std::string> error;  // why the folder could not be listed; names it
};

// "YYYY-MM-DD HH:MM", each part with leading zeros.
std::string MinuteText(int year, int month, int day, int hour, int minute);

// Seconds since 1970-01-01 UTC (and the nanoseconds after them) as a file
// time of FolderFile::modified.
std::int64_t FileTimeFromUnix(std::int64_t seconds, std::int64_t nanoseconds);

// Sentences for a folder that cannot be listed, each naming it.
std::string FolderMissingText(const std::string& path);
std::string NotAFolderText(const std::string& path);
std::string FolderUnreadableText(const std::string& path, const std::string& reason);

}  // namespace vorn::profile
