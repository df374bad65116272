// A file store held in memory, with '/' between names: folders, files with
// their times, and the failures a disk can have (a file that cannot be read,
// a read-only file, a folder that cannot be listed, a write that fails).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "profile/file_store.h"

namespace vorn::testing {

class MemoryFileStore final : public profile::FileStore {
public:
    struct File {
        std::string bytes;
        std::int64_t modified = 0;  // file time; also gives the minute shown
    };

    char Separator() const override { return '/'; }
    bool DirectoryExists(const std::string& path) override { return folders.contains(path); }
    std::optional<std::string> CreateFolder(const std::string& path) override;
    std::string ModifiedText(const std::string& path) override;
    profile::FileContent ReadWholeFile(const std::string& path) override;
    profile::FileContent ReadFileUpTo(const std::string& path, std::size_t limit) override;
    profile::FolderListing ListFolder(const std::string& path) override;
    std::optional<std::string> CheckReplaceable(const std::string& path) override;
    std::optional<std::string> ReplaceContent(const std::string& path,
                                              std::string_view bytes) override;
    std::optional<std::string> WriteNewFile(const std::string& path,
                                            std::string_view bytes) override;
    std::optional<std::string> RemoveFile(const std::string& path) override;

    // Puts a file as another program would, a minute after the one before.
    void Put(const std::string& path, std::string_view bytes);
    // The bytes of a file, or nothing when there is none.
    std::optional<std::string> Bytes(const std::string& path) const;
    // Every file's bytes, by path: what a test compares before and after.
    std::map<std::string, std::string> Snapshot() const;

    std::set<std::string> folders;
    std::map<std::string, File> files;
    std::map<std::string, std::string> unreadable;  // path -> reason reading fails
    std::map<std::string, std::string> unlistable;  // folder -> reason listing fails
    std::set<std::string> readOnly;
    std::set<std::string> uncreatable;  // folders CreateFolder refuses
    // Listed in their folder but gone when read: removed after the listing.
    std::set<std::string> vanished;
    int failingWrite = 0;  // the replacement with this number (from 1) fails as a full disk
    int writes = 0;        // replacements tried
    std::vector<std::string> written;  // paths replaced, in order

private:
    std::int64_t clock_ = 0;
};

}  // namespace vorn::testing
