#include "mainwindow/known_names.h"

#include <algorithm>

#include "names/name_table_file.h"

namespace vorn::mainwindow {

std::optional<std::string> KnownNames::Load(profile::FileStore& files, Table which,
                                            const std::string& path) {
    names::NameTableLoad load = names::LoadNameTable(files, path);
    if (!load.table) return load.error;
    (which == Table::Items ? items_ : monsters_) = std::move(load.table);
    return std::nullopt;
}

bool KnownNames::Knows(Table which, std::string_view name) const {
    const auto& table = Slot(which);
    return !table || name.empty() || table->Contains(name);
}

std::vector<std::string> UnknownItemsShown(const std::vector<std::string>& slotTexts,
                                           const KnownNames& known) {
    std::vector<std::string> unknown;
    for (const std::string& text : slotTexts) {
        if (known.Knows(KnownNames::Table::Items, text)) continue;
        if (std::ranges::find(unknown, text) == unknown.end()) unknown.push_back(text);
    }
    return unknown;
}

}  // namespace vorn::mainwindow
