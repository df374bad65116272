#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include "generate_baseline.h"

namespace {

bool WriteNew(const std::string& path, const std::string& bytes) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (file < 0) return false;
    const bool ok = ::write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                    ::fsync(file) == 0;
    return ::close(file) == 0 && ok;
}

}  // namespace

bool ReadBare(const std::string& path, std::string& bytes) {
    const int file = ::open(path.c_str(), O_RDONLY);
    if (file < 0) return false;
    bytes.resize(64 * 1024);
    const ssize_t got = ::read(file, bytes.data(), bytes.size());
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    ::close(file);
    return got >= 0;
}

bool ReplaceBare(const std::string& path, const std::string& bytes, const std::string& keepAs) {
    if (!keepAs.empty()) {
        std::string old;
        if (!ReadBare(path, old) || !WriteNew(keepAs, old)) return false;
    }
    const std::string temporary = path + ".tmp";
    return WriteNew(temporary, bytes) && ::rename(temporary.c_str(), path.c_str()) == 0;
}

bool RemoveBare(const std::string& path) { return ::unlink(path.c_str()) == 0; }
