// What one reader of a name table gives: the names in the table's order, or
// why the bytes give none. Never both: a table that is damaged anywhere gives
// no names at all, since a partial list would mark good names as unknown.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vorn::names {

struct NameListReading {
    std::vector<std::string> names;  // UTF-8, trimmed, none empty; duplicates kept
    std::string problem;             // a Chinese sentence part, empty when read

    bool ok() const { return problem.empty(); }

    static NameListReading Failed(std::string why) { return {{}, std::move(why)}; }
};

}  // namespace vorn::names
