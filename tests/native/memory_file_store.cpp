#include "native/memory_file_store.h"

namespace vorn::testing {
namespace {

using profile::FileContent;

// 2024-05-01 08:00 UTC as a file time, shown as 16:00 (Beijing time); each
// step of the store's clock is a minute.
constexpr std::int64_t kStart = 133590240000000000;
constexpr std::int64_t kMinute = 600000000;

std::string MinuteOf(std::int64_t modified) {
    const std::int64_t minutes = modified / kMinute;
    return profile::MinuteText(2024, 5, 1, 16 + static_cast<int>(minutes / 60),
                               static_cast<int>(minutes % 60));
}

}  // namespace

FileContent MemoryFileStore::ReadWholeFile(const std::string& path) {
    if (const auto reason = unreadable.find(path); reason != unreadable.end())
        return {FileContent::Status::Failed, {}, reason->second};
    // A folder cannot be opened as a file.
    if (folders.contains(path)) return {FileContent::Status::Failed, {}, "这是一个文件夹，不是文件"};
    const auto found = files.find(path);
    if (found == files.end()) return {};
    return {FileContent::Status::Read, found->second.bytes, {}};
}

std::string MemoryFileStore::ModifiedText(const std::string& path) {
    const auto found = files.find(path);
    return found == files.end() ? std::string() : MinuteOf(found->second.modified);
}

std::optional<std::string> MemoryFileStore::CreateFolder(const std::string& path) {
    const std::size_t cut = path.rfind('/');
    if (uncreatable.contains(path) || files.contains(path) ||
        (cut != std::string::npos && !folders.contains(path.substr(0, cut))))
        return std::string("拒绝访问");
    folders.insert(path);
    return std::nullopt;
}

FileContent MemoryFileStore::ReadFileUpTo(const std::string& path, std::size_t limit) {
    FileContent content = ReadWholeFile(path);
    if (content.bytes.size() > limit) return {FileContent::Status::Failed, {}, "文件太大"};
    return content;
}

profile::FolderListing MemoryFileStore::ListFolder(const std::string& path) {
    profile::FolderListing listing;
    if (const auto reason = unlistable.find(path); reason != unlistable.end()) {
        listing.error = profile::FolderUnreadableText(path, reason->second);
        return listing;
    }
    if (!folders.contains(path)) {
        listing.error = profile::FolderMissingText(path);
        return listing;
    }
    const std::string prefix = path + '/';
    auto add = [&](const std::string& filePath, const File& file) {
        if (!filePath.starts_with(prefix) || filePath.find('/', prefix.size()) != std::string::npos)
            return;
        listing.files.push_back({filePath.substr(prefix.size()), file.bytes.size(),
                                 kStart + file.modified, MinuteOf(file.modified)});
    };
    for (const auto& [filePath, file] : files) add(filePath, file);
    for (const std::string& filePath : vanished) add(filePath, File{});
    return listing;
}

std::optional<std::string> MemoryFileStore::CheckReplaceable(const std::string& path) {
    if (folders.contains(path)) return std::string("已有同名的文件夹");
    if (readOnly.contains(path)) return std::string("文件只读");
    return std::nullopt;
}

std::optional<std::string> MemoryFileStore::ReplaceContent(const std::string& path,
                                                           std::string_view bytes) {
    if (auto problem = CheckReplaceable(path)) return problem;
    if (++writes == failingWrite) return std::string("磁盘已满");
    written.push_back(path);
    files[path] = {std::string(bytes), clock_ += kMinute};
    return std::nullopt;
}

std::optional<std::string> MemoryFileStore::WriteNewFile(const std::string& path,
                                                         std::string_view bytes) {
    if (files.contains(path) || folders.contains(path)) return std::string("文件已存在");
    return ReplaceContent(path, bytes);
}

std::optional<std::string> MemoryFileStore::RemoveFile(const std::string& path) {
    if (readOnly.contains(path)) return std::string("文件只读");
    files.erase(path);
    return std::nullopt;
}

void MemoryFileStore::Put(const std::string& path, std::string_view bytes) {
    files[path] = {std::string(bytes), clock_ += kMinute};
}

std::optional<std::string> MemoryFileStore::Bytes(const std::string& path) const {
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second.bytes;
}

std::map<std::string, std::string> MemoryFileStore::Snapshot() const {
    std::map<std::string, std::string> snapshot;
    for (const auto& [path, file] : files) snapshot.emplace(path, file.bytes);
    return snapshot;
}

}  // namespace vorn::testing
