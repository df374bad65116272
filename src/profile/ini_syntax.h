// How the game server reads one line of a monster file: blanks around a line
// and around names do not count, ";" starts a comment, "[name]" starts a
// section (anything after the "]" is ignored), "key=value" sets a key, and
// section and key names are compared without regard to letter case.
#pragma once

#include <optional>
#include <string_view>

namespace vorn::profile {

// The line without the blanks (space, tab, vertical tab, form feed) around it.
std::string_view TrimBlanks(std::string_view text);

// ASCII letters compared without regard to case; every other byte as it is.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The name of the section a line starts, without its blanks; nothing when the
// line starts no section.
std::optional<std::string_view> SectionName(std::string_view line);

// Whether the line starts a section with this name, in any spelling.
bool StartsSection(std::string_view line, std::string_view name);

}  // namespace vorn::profile
