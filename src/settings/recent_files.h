// The monster files opened or generated last, most recent first, as the
// settings remember them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_document.h"

namespace vorn::settings {

// Whether two Windows paths name the same file: letters compare without case
// (ASCII, Latin-1, Greek, Cyrillic and full-width letters, the ones met in
// paths here), '/' and '\' are the same separator.
bool SameWindowsPath(std::string_view a, std::string_view b);

class RecentFiles {
public:
    static constexpr std::size_t kMost = 8;

    // From "[RecentFiles]" File1 to File8; empty, repeated and invalid
    // entries are left out, so a hand edit cannot break the list.
    static RecentFiles FromSettings(const IniDocument& settings);
    // Replaces that section; an empty list removes it.
    void WriteTo(IniDocument& settings) const;

    // Puts the path first, the same file under another spelling removed; the
    // ninth file drops out. Text that is not valid UTF-8 is not kept.
    void Add(std::string_view path);
    // Whether the file was in the list.
    bool Remove(std::string_view path);

    const std::vector<std::string>& Paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

}  // namespace vorn::settings
