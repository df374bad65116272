// A fresh, uniquely named directory under the system's temporary directory,
// removed with everything in it when the object goes away.
#pragma once

#include <filesystem>

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

}  // namespace vorn::e2e
