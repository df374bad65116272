#include "settings/ini_document.h"

#include <algorithm>
#include <utility>

namespace vorn::settings {

bool SameIniName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

const IniSection* IniDocument::Section(std::string_view name) const {
    const auto found = std::ranges::find_if(
        sections_, [&](const IniSection& section) { return SameIniName(section.name, name); });
    return found == sections_.end() ? nullptr : &*found;
}

IniSection* IniDocument::FindSection(std::string_view name) {
    return const_cast<IniSection*>(std::as_const(*this).Section(name));
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    const IniSection* found = Section(section);
    if (!found) return std::nullopt;
    for (const IniEntry& entry : found->entries)
        if (SameIniName(entry.key, key)) return entry.value;
    return std::nullopt;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    IniSection* target = FindSection(section);
    if (!target) target = &sections_.emplace_back(IniSection{std::string(section), {}});
    for (IniEntry& entry : target->entries) {
        if (SameIniName(entry.key, key)) {
            entry.value = value;
            return;
        }
    }
    target->entries.push_back({std::string(key), std::string(value)});
}

void IniDocument::ReplaceSection(std::string_view section, std::vector<IniEntry> entries) {
    IniSection* target = FindSection(section);
    if (entries.empty()) {
        if (target) sections_.erase(sections_.begin() + (target - sections_.data()));
        return;
    }
    if (!target) target = &sections_.emplace_back(IniSection{std::string(section), {}});
    target->entries = std::move(entries);
}

}  // namespace vorn::settings
