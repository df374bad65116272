#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cstring>

#include "folder_baseline.h"

namespace {

// The same files the list reads: "*.txt" but not "*-Item.txt".
bool IsMonsterFile(const char* name) {
    const std::size_t length = std::strlen(name);
    const auto endsWith = [&](const char* tail) {
        const std::size_t size = std::strlen(tail);
        return length >= size && ::strcasecmp(name + length - size, tail) == 0;
    };
    return endsWith(".txt") && !endsWith("-Item.txt");
}

}  // namespace

// opendir + readdir to list, open + read to read.
BareReading ReadFolderBare(const std::string& folder) {
    BareReading reading;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return reading;
    static char block[1 << 16];
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_type == DT_DIR || !IsMonsterFile(entry->d_name)) continue;
        const int file = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_CLOEXEC);
        if (file < 0) continue;
        ssize_t got = 0;
        while ((got = ::read(file, block, sizeof block)) > 0)
            reading.bytes += static_cast<std::size_t>(got);
        ::close(file);
        ++reading.files;
    }
    ::closedir(dir);
    return reading;
}
