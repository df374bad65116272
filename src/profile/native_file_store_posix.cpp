#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "profile/native_file_store.h"

namespace vorn::profile {
namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports the result: a delayed write error shows up here.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

class UniqueDir {
public:
    explicit UniqueDir(DIR* dir) : dir_(dir) {}
    ~UniqueDir() {
        if (dir_) ::closedir(dir_);
    }
    UniqueDir(const UniqueDir&) = delete;
    UniqueDir& operator=(const UniqueDir&) = delete;

    DIR* get() const { return dir_; }

private:
    DIR* dir_;
};

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

std::string SystemReason(int error) { return std::string("（系统信息：") + strerror(error) + "）"; }

std::string WriteError(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT: return "磁盘已满" + SystemReason(error);
        case EACCES:
        case EPERM:
        case EROFS: return "没有写入权限" + SystemReason(error);
        default: return "写入失败" + SystemReason(error);
    }
}

std::string FolderNotFile() { return "这是一个文件夹，不是文件"; }

std::string TooLarge(std::uintmax_t size, std::size_t limit) {
    return "文件太大（" + std::to_string(size) + " 字节，上限 " + std::to_string(limit) + " 字节）";
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Opens an existing file for reading. When it cannot, `failure` says
// whether it is missing or why it failed.
UniqueFd OpenForReading(const std::string& path, FileContent& failure) {
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid())
        failure = errno == ENOENT
                      ? FileContent{FileContent::Status::Missing, {}, {}}
                      : FileContent{FileContent::Status::Failed, {}, "无法打开文件" + SystemReason(errno)};
    return file;
}

// Reads to the end; more than `limit` bytes (the file may grow while it is
// read) is a failure.
FileContent ReadToEnd(int file, std::size_t limit) {
    FileContent content{FileContent::Status::Read, {}, {}};
    char block[4096];
    for (;;) {
        const ssize_t got = ::read(file, block, sizeof block);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return {FileContent::Status::Failed, {}, "无法读取文件" + SystemReason(errno)};
        }
        content.bytes.append(block, static_cast<std::size_t>(got));
        if (content.bytes.size() > limit)
            return {FileContent::Status::Failed, {}, TooLarge(content.bytes.size(), limit)};
    }
    return content;
}

std::string LocalMinuteText(time_t time) {
    struct tm local {};
    if (!::localtime_r(&time, &local)) return {};
    return MinuteText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min);
}

}  // namespace

char NativeFileStore::Separator() const { return '/'; }

bool NativeFileStore::DirectoryExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> NativeFileStore::CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) == 0) return std::nullopt;
    const int error = errno;
    if (error == EEXIST && DirectoryExists(path)) return std::nullopt;
    if (error == EEXIST) return std::string("已有同名的文件");
    return "无法建立文件夹：" + WriteError(error);
}

FileContent NativeFileStore::ReadWholeFile(const std::string& path) {
    FileContent failure;
    const UniqueFd file = OpenForReading(path, failure);
    if (!file.valid()) return failure;
    return ReadToEnd(file.get(), std::numeric_limits<std::size_t>::max());
}

FileContent NativeFileStore::ReadFileUpTo(const std::string& path, std::size_t limit) {
    FileContent failure;
    const UniqueFd file = OpenForReading(path, failure);
    if (!file.valid()) return failure;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return {FileContent::Status::Failed, {}, "无法读取文件" + SystemReason(errno)};
    if (S_ISDIR(info.st_mode)) return {FileContent::Status::Failed, {}, FolderNotFile()};
    if (!S_ISREG(info.st_mode)) return {FileContent::Status::Failed, {}, "不是普通文件"};
    if (static_cast<std::uintmax_t>(info.st_size) > limit)
        return {FileContent::Status::Failed, {},
                TooLarge(static_cast<std::uintmax_t>(info.st_size), limit)};

    return ReadToEnd(file.get(), limit);
}

FolderListing NativeFileStore::ListFolder(const std::string& path) {
    FolderListing listing;
    const UniqueDir dir(::opendir(path.c_str()));
    if (!dir.get()) {
        const int error = errno;
        if (error == ENOENT)
            listing.error = FolderMissingText(path);
        else if (error == ENOTDIR)
            listing.error = NotAFolderText(path);
        else
            listing.error = FolderUnreadableText(path, "无法打开" + SystemReason(error));
        return listing;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) {
            if (errno != 0)
                listing.error = FolderUnreadableText(path, "无法读取" + SystemReason(errno));
            break;
        }
        struct stat info {};
        // A file removed since readdir named it is simply not listed.
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        listing.files.push_back({entry->d_name, static_cast<std::uint64_t>(info.st_size),
                                 FileTimeFromUnix(info.st_mtim.tv_sec, info.st_mtim.tv_nsec),
                                 LocalMinuteText(info.st_mtim.tv_sec)});
    }
    return listing;
}

std::optional<std::string> NativeFileStore::CheckReplaceable(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return std::nullopt;
        return "无法访问文件" + SystemReason(errno);
    }
    if (S_ISDIR(info.st_mode)) return std::string("已有同名的文件夹");
    if (!S_ISREG(info.st_mode)) return std::string("不是普通文件");
    // Judged by the mode bits, not access(): root may write anything, but a
    // file marked read-only is meant to stay as it is.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return std::string("文件只读");
    return std::nullopt;
}

std::optional<std::string> NativeFileStore::ReplaceContent(const std::string& path,
                                                        std::string_view bytes) {
    if (auto problem = CheckReplaceable(path)) return problem;

    // O_EXCL with mode 0666 lets the umask decide a new file's permissions;
    // an existing file keeps its own.
    std::string temporaryPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = path + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) break;
    }
    if (fd < 0) return "无法建立临时文件：" + WriteError(errno);
    TemporaryFile temporary(temporaryPath);
    UniqueFd file(fd);

    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && ::fchmod(file.get(), existing.st_mode & 07777) != 0)
        return WriteError(errno);

    int error = 0;
    if (!WriteAll(file.get(), bytes, error)) return WriteError(error);
    if (::fsync(file.get()) != 0) return WriteError(errno);
    if (!file.Close()) return WriteError(errno);
    if (::rename(temporary.path().c_str(), path.c_str()) != 0) return WriteError(errno);
    temporary.Release();
    return std::nullopt;
}

std::string NativeFileStore::ModifiedText(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return LocalMinuteText(info.st_mtim.tv_sec);
}

std::optional<std::string> NativeFileStore::WriteNewFile(const std::string& path,
                                                        std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return "无法建立文件：" + WriteError(errno);
    TemporaryFile unfinished(path);
    UniqueFd file(fd);
    int error = 0;
    if (!WriteAll(file.get(), bytes, error)) return WriteError(error);
    if (::fsync(file.get()) != 0) return WriteError(errno);
    if (!file.Close()) return WriteError(errno);
    unfinished.Release();
    return std::nullopt;
}

std::optional<std::string> NativeFileStore::RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return std::nullopt;
    return "无法删除文件：" + WriteError(errno);
}

}  // namespace vorn::profile
