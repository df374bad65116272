// File operations the monster-file writer needs, so the writer itself stays
// platform-free. Paths are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorn::profile {

class FileStore {
public:
    virtual ~FileStore() = default;
    // Placeholder until the writer lands; replaced by the real interface.
    virtual bool DirectoryExists(const std::string& path) = 0;
};

}  // namespace vorn::profile
