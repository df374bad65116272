#include <windows.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <mutex>
#include <cstdint>
#include <string>

#include "profile/native_file_store.h"
#include "runtime/win32/handles_win.h"
#include "runtime/base/utf_win.h"

namespace vorn::profile {
namespace {

using runtime::UniqueHandle;

// Removes the temporary file unless it was moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::wstring& path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::wstring path_;
};

// A search begun by FindFirstFileExW, closed with it.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (valid()) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// Long absolute paths need the \\?\ form to get past MAX_PATH.
std::wstring WidePath(const std::string& path) {
    std::wstring wide = runtime::Widen(path);
    const bool driveAbsolute = wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\';
    if (driveAbsolute && wide.size() >= MAX_PATH - 24) wide.insert(0, L"\\\\?\\");
    return wide;
}

std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    std::string reason = "（系统错误 " + std::to_string(error);
    if (!message.empty()) reason += "：" + runtime::Narrow(message);
    return reason + "）";
}

std::string WriteError(DWORD error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return "磁盘已满" + SystemReason(error);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return "文件正被其他程序占用" + SystemReason(error);
        case ERROR_ACCESS_DENIED: return "文件被占用或只读，或没有写入权限" + SystemReason(error);
        case ERROR_WRITE_PROTECT: return "磁盘写保护" + SystemReason(error);
        default: return "写入失败" + SystemReason(error);
    }
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::string FolderNotFile() { return "这是一个文件夹，不是文件"; }

std::string TooLarge(std::uint64_t size, std::size_t limit) {
    return "文件太大（" + std::to_string(size) + " 字节，上限 " + std::to_string(limit) + " 字节）";
}

// Opens an existing file for reading, sharing it with everyone. When it
// cannot, `failure` says whether it is missing or why it failed.
UniqueHandle OpenForReading(const std::wstring& wide, FileContent& failure) {
    UniqueHandle file(CreateFileW(wide.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        failure = IsMissing(error)
                      ? FileContent{FileContent::Status::Missing, {}, {}}
                      : FileContent{FileContent::Status::Failed, {}, "无法打开文件" + SystemReason(error)};
    }
    return file;
}

// Reads to the end; more than `limit` bytes (the file may grow while it is
// read) is a failure.
FileContent ReadToEnd(HANDLE file, std::size_t limit) {
    FileContent content{FileContent::Status::Read, {}, {}};
    char block[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, block, sizeof block, &got, nullptr))
            return {FileContent::Status::Failed, {}, "无法读取文件" + SystemReason(GetLastError())};
        if (got == 0) break;
        content.bytes.append(block, got);
        if (content.bytes.size() > limit)
            return {FileContent::Status::Failed, {}, TooLarge(content.bytes.size(), limit)};
    }
    return content;
}

std::int64_t Ticks(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                     time.dwLowDateTime);
}

// The local time of that moment, with the daylight saving of its own date.
// The time zone is read once per listing (`zone`), not once per file.
std::string LocalMinuteText(const FILETIME& time, const TIME_ZONE_INFORMATION* zone) {
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    if (!FileTimeToSystemTime(&time, &utc) || !SystemTimeToTzSpecificLocalTime(zone, &utc, &local))
        return {};
    return MinuteText(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute);
}

FolderFile FolderFileOf(const WIN32_FIND_DATAW& found, const TIME_ZONE_INFORMATION* zone) {
    return {runtime::Narrow(found.cFileName),
            (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow,
            Ticks(found.ftLastWriteTime), LocalMinuteText(found.ftLastWriteTime, zone)};
}

// Why a folder could not be listed, from the error of the search.
std::string ListingError(const std::string& path, const std::wstring& wide, DWORD error) {
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES && IsMissing(GetLastError()))
        return FolderMissingText(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return NotAFolderText(path);
    return FolderUnreadableText(path, "无法列出其中的文件" + SystemReason(error));
}

// Writes the bytes and flushes them to the disk; nothing when done.
std::optional<std::string> WriteAllAndFlush(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return WriteError(GetLastError());
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file)) return WriteError(GetLastError());
    return std::nullopt;
}

// Moves the written file over the target. A target someone merely reads at
// that moment (another copy of the program, an editor, the game server)
// cannot be replaced until it is closed, which takes milliseconds: the move
// is tried again for a while before that counts as a failure.
bool MoveIntoPlace(const std::wstring& from, const std::wstring& to) {
    constexpr int kAttempts = 40;
    constexpr DWORD kPause = 25;  // ms; a second in all
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        const bool inUse = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                           error == ERROR_LOCK_VIOLATION;
        // A read-only file or a folder of that name will not go away.
        const DWORD attributes = GetFileAttributesW(to.c_str());
        const bool lasting = attributes != INVALID_FILE_ATTRIBUTES &&
                             (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
        if (!inUse || lasting || attempt == kAttempts) {
            SetLastError(error);
            return false;
        }
        Sleep(kPause);
        SetLastError(error);
    }
}

}  // namespace

char NativeFileStore::Separator() const { return '\\'; }

bool NativeFileStore::DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> NativeFileStore::CreateFolder(const std::string& path) {
    if (CreateDirectoryW(WidePath(path).c_str(), nullptr)) return std::nullopt;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS && DirectoryExists(path)) return std::nullopt;
    if (error == ERROR_ALREADY_EXISTS) return std::string("已有同名的文件");
    return "无法建立文件夹：" + WriteError(error);
}

FileContent NativeFileStore::ReadWholeFile(const std::string& path) {
    FileContent failure;
    const UniqueHandle file = OpenForReading(WidePath(path), failure);
    if (!file.valid()) return failure;
    return ReadToEnd(file.get(), std::numeric_limits<std::size_t>::max());
}

FileContent NativeFileStore::ReadFileUpTo(const std::string& path, std::size_t limit) {
    const std::wstring wide = WidePath(path);
    FileContent failure;
    const UniqueHandle file = OpenForReading(wide, failure);
    if (!file.valid()) {
        // Opening a folder as a file fails with "access denied"; say what it is.
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return {FileContent::Status::Failed, {}, FolderNotFile()};
        return failure;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return {FileContent::Status::Failed, {}, "无法读取文件" + SystemReason(GetLastError())};
    if (static_cast<std::uint64_t>(size.QuadPart) > limit)
        return {FileContent::Status::Failed, {},
                TooLarge(static_cast<std::uint64_t>(size.QuadPart), limit)};

    // One read of a byte more than the size: a short read is the end of the
    // file, so a small file costs one call (a list reads thousands of them).
    const auto expected = static_cast<std::size_t>(size.QuadPart);
    if (expected >= 0x7FFFFFFF) return ReadToEnd(file.get(), limit);
    std::string bytes(expected + 1, '\0');
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
        return {FileContent::Status::Failed, {}, "无法读取文件" + SystemReason(GetLastError())};
    bytes.resize(got);
    if (got > expected) {
        // The file grew while it was read: the rest as it comes.
        FileContent rest = ReadToEnd(file.get(), limit);
        if (rest.status != FileContent::Status::Read) return rest;
        bytes += rest.bytes;
        if (bytes.size() > limit)
            return {FileContent::Status::Failed, {}, TooLarge(bytes.size(), limit)};
    }
    return {FileContent::Status::Read, std::move(bytes), {}};
}

FolderListing NativeFileStore::ListFolder(const std::string& path) {
    FolderListing listing;
    const std::wstring wide = WidePath(path);
    WIN32_FIND_DATAW found{};
    // Basic information skips the 8.3 names; large fetches ask the file
    // system for many entries per call.
    const FindHandle search(FindFirstFileExW((wide + L"\\*").c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr,
                                             FIND_FIRST_EX_LARGE_FETCH));
    if (!search.valid()) {
        const DWORD error = GetLastError();
        // A folder without any entry (a drive's root can be one) has no match.
        if (error != ERROR_FILE_NOT_FOUND || !DirectoryExists(path))
            listing.error = ListingError(path, wide, error);
        return listing;
    }
    TIME_ZONE_INFORMATION zone{};
    const bool knownZone = GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            listing.files.push_back(FolderFileOf(found, knownZone ? &zone : nullptr));
    } while (FindNextFileW(search.get(), &found));
    const DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES)
        listing.error = FolderUnreadableText(path, "列出文件时出错" + SystemReason(error));
    return listing;
}

std::string NativeFileStore::ModifiedText(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data)) return {};
    return LocalMinuteText(data.ftLastWriteTime, nullptr);
}

std::vector<std::string> NativeFileStore::ListFileNames(const std::string& path) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const FindHandle search(FindFirstFileExW((WidePath(path) + L"\\*").c_str(), FindExInfoBasic,
                                             &found, FindExSearchNameMatch, nullptr,
                                             FIND_FIRST_EX_LARGE_FETCH));
    if (!search.valid()) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(runtime::Narrow(found.cFileName));
    } while (FindNextFileW(search.get(), &found));
    return names;
}

namespace {

// A read-only file or a folder at `wide`; `present` tells whether anything is there.
std::optional<std::string> LastingObstacle(const std::wstring& wide, bool& present) {
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    present = attributes != INVALID_FILE_ATTRIBUTES;
    if (!present) {
        const DWORD error = GetLastError();
        if (IsMissing(error)) return std::nullopt;
        return "无法访问文件" + SystemReason(error);
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return std::string("已有同名的文件夹");
    if (attributes & FILE_ATTRIBUTE_READONLY) return std::string("文件只读");
    return std::nullopt;
}

}  // namespace

std::optional<std::string> NativeFileStore::CheckLastingObstacle(const std::string& path) {
    bool present = false;
    return LastingObstacle(WidePath(path), present);
}

std::optional<std::string> NativeFileStore::CheckReplaceable(const std::string& path) {
    const std::wstring wide = WidePath(path);
    bool present = false;
    if (auto problem = LastingObstacle(wide, present)) return problem;
    if (!present) return std::nullopt;
    // Replacing needs delete access; a program holding the file open without
    // sharing it would make the final move fail.
    UniqueHandle probe(CreateFileW(wide.c_str(), DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.valid()) {
        const DWORD error = GetLastError();
        if (IsMissing(error)) return std::nullopt;
        return WriteError(error);
    }
    return std::nullopt;
}

namespace {

// Writes the bytes to a new temporary file beside `target`, flushes it and
// moves it into place, replacing what is there only when `replace` is set.
// Nothing when done, otherwise the error's reason; the temporary file never
// stays behind. `moveError` gets the move's own error code.
std::optional<std::string> WriteThroughTemporary(const std::wstring& target, std::string_view bytes,
                                                 bool replace, DWORD& moveError) {
    moveError = ERROR_SUCCESS;
    std::wstring temporaryPath;
    HANDLE handle = INVALID_HANDLE_VALUE;
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(attempt) + L".tmp";
        handle = CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) break;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    if (handle == INVALID_HANDLE_VALUE) return "无法建立临时文件：" + WriteError(error);
    // Declared in this order so the handle is closed before the file is deleted.
    TemporaryFile temporary(temporaryPath);
    UniqueHandle file(handle);

    if (auto problem = WriteAllAndFlush(file.get(), bytes)) return problem;
    if (!file.Close()) return WriteError(GetLastError());
    const bool moved = replace ? MoveIntoPlace(temporary.path(), target)
                               : MoveFileExW(temporary.path().c_str(), target.c_str(),
                                             MOVEFILE_WRITE_THROUGH) != 0;
    if (!moved) {
        moveError = GetLastError();
        return WriteError(moveError);
    }
    temporary.Release();
    return std::nullopt;
}

}  // namespace

std::optional<std::string> NativeFileStore::ReplaceContent(const std::string& path,
                                                        std::string_view bytes) {
    // A read-only file is not replaced (not every system's move refuses
    // it); whether it is in use is asked only when the final move fails.
    const std::wstring target = WidePath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return CheckReplaceable(path);
    DWORD moveError = ERROR_SUCCESS;
    auto problem = WriteThroughTemporary(target, bytes, true, moveError);
    if (problem && moveError != ERROR_SUCCESS) {
        if (auto why = CheckReplaceable(path)) return why;
    }
    return problem;
}

std::optional<std::string> NativeFileStore::CreateContent(const std::string& path,
                                                       std::string_view bytes) {
    DWORD moveError = ERROR_SUCCESS;
    auto problem = WriteThroughTemporary(WidePath(path), bytes, false, moveError);
    if (moveError == ERROR_ALREADY_EXISTS || moveError == ERROR_FILE_EXISTS)
        return std::string("写入前另一个程序在此建立了同名的文件，它保持不变");
    return problem;
}

std::optional<std::string> NativeFileStore::WriteNewFile(const std::string& path,
                                                        std::string_view bytes) {
    const std::wstring wide = WidePath(path);
    HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return "无法建立文件：" + WriteError(GetLastError());
    // Declared in this order so the handle is closed before a failed file is deleted.
    TemporaryFile unfinished(wide);
    UniqueHandle file(handle);
    if (auto problem = WriteAllAndFlush(file.get(), bytes)) return problem;
    if (!file.Close()) return WriteError(GetLastError());
    unfinished.Release();
    return std::nullopt;
}

namespace {

// Owns a named mutex while it is held; the handle itself may stay open in
// the store for the next write of the same file.
class HeldMutex final : public WriteLock {
public:
    explicit HeldMutex(std::shared_ptr<void> mutex) : mutex_(std::move(mutex)) {}
    ~HeldMutex() override { ReleaseMutex(mutex_.get()); }

private:
    std::shared_ptr<void> mutex_;
};

// The mutex's name stands for the path as Windows compares it; a name cannot
// hold backslashes, so it carries a hash of the path.
std::wstring WriteMutexName(const std::string& path) {
    std::wstring upper = runtime::Widen(path);
    if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : upper) {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 1099511628211ull;
    }
    wchar_t hex[17];
    for (int i = 15; i >= 0; --i, hash >>= 4) hex[i] = L"0123456789abcdef"[hash & 15];
    hex[16] = L'\0';
    return std::wstring(L"Local\\VornMonsterTool.write.") + hex;
}

}  // namespace

WriteLocking NativeFileStore::LockForWriting(const std::string& path) {
    // Writing a monster takes milliseconds; a lock held this long is stuck.
    constexpr DWORD kPatience = 10000;
    // Writing one monster again and again is the common case: its mutex stays
    // open between writes (opening a named object costs as much as taking it).
    const std::wstring name = WriteMutexName(path);
    std::shared_ptr<void> mutex;
    {
        const std::lock_guard guard(lastMutexGuard_);
        if (lastMutexName_ == name) mutex = lastMutex_;
    }
    if (!mutex) {
        const HANDLE handle = CreateMutexW(nullptr, FALSE, name.c_str());
        if (!handle) return {nullptr, "无法与其他程序协调写入" + SystemReason(GetLastError())};
        mutex = std::shared_ptr<void>(handle, CloseHandle);
        const std::lock_guard guard(lastMutexGuard_);
        lastMutexName_ = name;
        lastMutex_ = mutex;
    }
    switch (WaitForSingleObject(mutex.get(), kPatience)) {
        case WAIT_OBJECT_0:
        case WAIT_ABANDONED:  // the copy that held it ended; the files are whole
            return {std::make_unique<HeldMutex>(std::move(mutex)), std::nullopt};
        case WAIT_TIMEOUT: return {nullptr, "另一个程序正在写入这个文件，请稍后再试"};
        default: return {nullptr, "无法与其他程序协调写入" + SystemReason(GetLastError())};
    }
}

std::optional<std::string> NativeFileStore::RemoveFile(const std::string& path) {
    if (DeleteFileW(WidePath(path).c_str())) return std::nullopt;
    const DWORD error = GetLastError();
    if (IsMissing(error)) return std::nullopt;
    return "无法删除文件：" + WriteError(error);
}

}  // namespace vorn::profile
