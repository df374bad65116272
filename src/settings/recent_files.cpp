#include "settings/recent_files.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "runtime/base/unicode_text.h"

namespace vorn::settings {
namespace {

constexpr std::string_view kSection = "RecentFiles";

char32_t Folded(char32_t c) {
    if (c == U'/') return U'\\';
    const auto in = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    if (in(U'A', U'Z') || (in(0xC0, 0xDE) && c != 0xD7)) return c + 0x20;  // ASCII, Latin-1
    if (in(0x391, 0x3A9) && c != 0x3A2) return c + 0x20;                      // Greek
    if (in(0x410, 0x42F)) return c + 0x20;                                    // Cyrillic
    if (in(0x400, 0x40F)) return c + 0x50;                                    // Cyrillic Ѐ to Џ
    if (in(0xFF21, 0xFF3A)) return c + 0x20;                                  // full-width
    return c;
}

std::string KeyOf(std::size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

bool SameWindowsPath(std::string_view a, std::string_view b) {
    const std::optional<std::u32string> first = runtime::Utf8Characters(a);
    const std::optional<std::u32string> second = runtime::Utf8Characters(b);
    if (!first || !second) return a == b;
    return std::ranges::equal(*first, *second,
                              [](char32_t x, char32_t y) { return Folded(x) == Folded(y); });
}

RecentFiles RecentFiles::FromSettings(const IniDocument& settings) {
    RecentFiles recent;
    // Added oldest first, so each lands in front of the newer ones.
    for (std::size_t index = kMost; index-- > 0;)
        if (std::optional<std::string> path = settings.Value(kSection, KeyOf(index)))
            recent.Add(*path);
    return recent;
}

void RecentFiles::WriteTo(IniDocument& settings) const {
    std::vector<IniEntry> entries;
    for (std::size_t index = 0; index < paths_.size(); ++index)
        entries.push_back({KeyOf(index), paths_[index]});
    settings.ReplaceSection(kSection, std::move(entries));
}

void RecentFiles::Add(std::string_view path) {
    if (path.empty() || !runtime::IsValidUtf8(path)) return;
    Remove(path);
    paths_.insert(paths_.begin(), std::string(path));
    if (paths_.size() > kMost) paths_.resize(kMost);
}

bool RecentFiles::Remove(std::string_view path) {
    const auto same = [&](const std::string& known) { return SameWindowsPath(known, path); };
    return std::erase_if(paths_, same) > 0;
}

}  // namespace vorn::settings
