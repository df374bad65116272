// The file system of the machine the program runs on: W APIs with UTF-16 paths
// on Windows, POSIX calls on Linux (where the native tests run).
#pragma once

#include "profile/file_store.h"

#ifdef _WIN32
#include <memory>
#include <mutex>
#include <string>
#endif

namespace vorn::profile {

class NativeFileStore final : public FileStore {
public:
    NativeFileStore() = default;

    char Separator() const override;
    bool DirectoryExists(const std::string& path) override;
    std::optional<std::string> CreateFolder(const std::string& path) override;
    FileContent ReadWholeFile(const std::string& path) override;
    FileContent ReadFileUpTo(const std::string& path, std::size_t limit) override;
    FolderListing ListFolder(const std::string& path) override;
    std::string ModifiedText(const std::string& path) override;
#ifdef _WIN32
    // Without the local times, whose conversion costs more than the listing.
    std::vector<std::string> ListFileNames(const std::string& path) override;
#endif
    std::optional<std::string> CheckReplaceable(const std::string& path) override;
#ifdef _WIN32
    // The attributes alone, without opening the file to see who holds it.
    std::optional<std::string> CheckLastingObstacle(const std::string& path) override;
#endif
    std::optional<std::string> ReplaceContent(const std::string& path,
                                           std::string_view bytes) override;
#ifdef _WIN32
    // The final rename does not replace.
    std::optional<std::string> CreateContent(const std::string& path,
                                             std::string_view bytes) override;
#endif
    std::optional<std::string> WriteNewFile(const std::string& path,
                                            std::string_view bytes) override;
    std::optional<std::string> RemoveFile(const std::string& path) override;
#ifdef _WIN32
    // A named mutex of the session per folder: copies of the program on this
    // machine take turns. (The Linux build serves tests and needs none.)
    WriteLocking LockForWriting(const std::string& path) override;

private:
    // The mutex of the folder written last, kept open (shared with a lock
    // that holds it); the store may be used from more than one thread.
    std::mutex lastMutexGuard_;
    std::wstring lastMutexName_;
    std::shared_ptr<void> lastMutex_;  // the handle, closed with its last owner
#endif
};

}  // namespace vorn::profile
