// What the window knows of the server's names: the item table and the
// monster table the administrator pointed it at, if any. The server matches
// every item name of a monster file, and the file's monster name, to the
// character and says nothing when one is unknown; with a table the window
// can say it first. Without a table every name counts as known.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "names/name_table.h"
#include "profile/file_store.h"

namespace vorn::mainwindow {

class KnownNames {
public:
    enum class Table { Items, Monsters };

    // Reads the table file; on failure the table held before stays and the
    // answer is the message naming the file and the problem.
    std::optional<std::string> Load(profile::FileStore& files, Table which, const std::string& path);

    bool HasTable(Table which) const { return Slot(which).has_value(); }
    std::size_t Size(Table which) const { return HasTable(which) ? Slot(which)->size() : 0; }
    // Known: in the table, or there is no table. An empty name is no name.
    bool Knows(Table which, std::string_view name) const;
    // Up to 20 names of the table for a text being typed (see NameTable::Complete).
    std::vector<std::string> Complete(Table which, std::string_view text) const {
        return HasTable(which) ? Slot(which)->Complete(text) : std::vector<std::string>{};
    }

private:
    const std::optional<names::NameTable>& Slot(Table which) const {
        return which == Table::Items ? items_ : monsters_;
    }
    std::optional<names::NameTable> items_;
    std::optional<names::NameTable> monsters_;
};

// The item names of the window's twelve slots that `known` does not know,
// in slot order, each once; the placeholders and empty boxes are no items.
std::vector<std::string> UnknownItemsShown(const std::vector<std::string>& slotTexts,
                                           const KnownNames& known);

}  // namespace vorn::mainwindow
