// A fresh, uniquely named directory under the system's temporary directory,
// removed with everything in it when the object goes away.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vorn::e2e {

class ScratchDirectory {
public:
    // Creates "<temp>/<prefix>-<pid>-<counter>-<ticks>"; throws on failure.
    explicit ScratchDirectory(std::wstring_view prefix);
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A file's bytes, or nothing when it cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& path);
// Gives the file exactly these bytes.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vorn::e2e
