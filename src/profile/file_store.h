// File operations the monster-file writer and the settings store need, so
// both stay platform-free. Paths are UTF-8; error texts are Chinese sentences fit for a
// message box, with the system's own reason where it helps.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "profile/folder_listing.h"

namespace vorn::profile {

struct FileContent {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    std::string bytes;  // when Read
    std::string error;  // when Failed
};

// Whether two readings found the same: both missing, or the same bytes.
inline bool SameContent(const FileContent& a, const FileContent& b) {
    return a.status == b.status && a.bytes == b.bytes;
}

// Held while a program checks a monster's files and replaces them, so that
// two copies of the program never interleave those steps.
class WriteLock {
public:
    virtual ~WriteLock() = default;
};

struct WriteLocking {
    std::unique_ptr<WriteLock> lock;
    std::optional<std::string> error;  // why the lock could not be had in time
};

class FileStore {
public:
    virtual ~FileStore() = default;

    // The separator the writer puts between directory and file names.
    virtual char Separator() const { return '\\'; }

    virtual bool DirectoryExists(const std::string& path) = 0;

    // Makes the folder `path` inside a folder that exists; a folder that is
    // already there is fine. Nothing when done, otherwise the reason.
    virtual std::optional<std::string> CreateFolder(const std::string& path) {
        return NotSupported(path);
    }

    // The whole content of a file, or Missing when there is no such file.
    virtual FileContent ReadWholeFile(const std::string& path) {
        return {FileContent::Status::Failed, {}, NotSupported(path)};
    }

    // The whole content of a file that is meant to be small, read only when it
    // is no larger than `limit` bytes. Missing when there is no such file;
    // Failed, with the reason, for a folder, a larger file or a read error.
    virtual FileContent ReadFileUpTo(const std::string& path, std::size_t limit) {
        (void)limit;
        return {FileContent::Status::Failed, {}, NotSupported(path)};
    }

    // The plain files of a folder with their sizes and times (subfolders are
    // left out); a folder that is missing or cannot be read gives the reason.
    virtual FolderListing ListFolder(const std::string& path) { return {{}, NotSupported(path)}; }

    // When the file was last written, "YYYY-MM-DD HH:MM" in local time;
    // empty when there is no such file or the store cannot tell. Asked apart
    // from reading: the local time costs more than a small file's bytes.
    virtual std::string ModifiedText(const std::string& path) {
        (void)path;
        return {};
    }

    // Only the names of the plain files of a folder (none when it cannot be
    // listed): cheaper than ListFolder where sizes and times are not needed.
    virtual std::vector<std::string> ListFileNames(const std::string& path) {
        std::vector<std::string> names;
        for (FolderFile& file : ListFolder(path).files) names.push_back(std::move(file.name));
        return names;
    }

    // Whether ReplaceContent could put a new file at `path` now: nothing when it
    // could, otherwise why not (read-only, in use, a folder of that name).
    virtual std::optional<std::string> CheckReplaceable(const std::string& path) {
        return NotSupported(path);
    }

    // Only what would stop ReplaceContent for good: a read-only file or a
    // folder of that name. Leaves out whether another program has the file
    // open, which ReplaceContent waits out and reports itself; cheaper where
    // telling that takes one more opening of the file.
    virtual std::optional<std::string> CheckLastingObstacle(const std::string& path) {
        return CheckReplaceable(path);
    }

    // Gives `path` exactly these bytes or leaves it as it was: the bytes go to a
    // temporary file in the same directory, which is flushed and then renamed
    // over `path` in one step. A read-only target is not replaced. Nothing when
    // done, otherwise the reason; the temporary file never stays behind.
    virtual std::optional<std::string> ReplaceContent(const std::string& path,
                                                   std::string_view bytes) {
        (void)bytes;
        return NotSupported(path);
    }

    // Puts a file at `path` where the caller, holding the write lock, just
    // found none: as ReplaceContent does (a flushed temporary file renamed
    // into place) but without looking at an old file first. One that appeared
    // meanwhile all the same stays as it is, and the reason says so (a store
    // that cannot tell replaces it, as ReplaceContent would).
    virtual std::optional<std::string> CreateContent(const std::string& path,
                                                     std::string_view bytes) {
        return ReplaceContent(path, bytes);
    }

    // Makes a new file holding exactly these bytes, flushed to the disk; a
    // file already at `path` is a failure and stays as it is. Nothing when
    // done, otherwise the reason; a failed file does not stay behind.
    virtual std::optional<std::string> WriteNewFile(const std::string& path,
                                                    std::string_view bytes) {
        (void)bytes;
        return NotSupported(path);
    }

    // Removes a file, so that a file written by mistake can be taken back.
    // Nothing when done or when there was no such file, otherwise the reason.
    virtual std::optional<std::string> RemoveFile(const std::string& path) {
        return NotSupported(path);
    }

    // Waits until no other program checks or replaces monster files in the
    // folder `path` and holds it until the lock goes. A store that only one
    // program uses locks nothing.
    virtual WriteLocking LockForWriting(const std::string& path) {
        (void)path;
        return {std::make_unique<WriteLock>(), std::nullopt};
    }

private:
    // A store that only answers DirectoryExists (a test double for code that
    // never writes) refuses every other request.
    static std::string NotSupported(const std::string&) { return "此处不支持读写文件"; }
};

}  // namespace vorn::profile
