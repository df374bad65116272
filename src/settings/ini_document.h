// The settings as an INI document: named sections of key = value lines, in
// the order they were read or added, so writing them back keeps that order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::settings {

// Section and key names compare without regard to ASCII case, as in the INI
// files Windows reads.
bool SameIniName(std::string_view a, std::string_view b);

struct IniEntry {
    std::string key;
    std::string value;
    bool operator==(const IniEntry&) const = default;
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
    bool operator==(const IniSection&) const = default;
};

class IniDocument {
public:
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    const IniSection* Section(std::string_view name) const;

    // Adds or replaces one value; a new section goes last, a new key last in
    // its section.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Gives a section exactly these entries; none removes the section.
    void ReplaceSection(std::string_view section, std::vector<IniEntry> entries);

    const std::vector<IniSection>& Sections() const { return sections_; }
    bool empty() const { return sections_.empty(); }
    bool operator==(const IniDocument&) const = default;

private:
    IniSection* FindSection(std::string_view name);

    std::vector<IniSection> sections_;
};

}  // namespace vorn::settings
