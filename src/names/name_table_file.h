// A name table file as the user names it in the settings: read through the
// file store, its format chosen, its names read, and either a table or one
// message that names the file and says what is wrong with it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "names/name_table.h"
#include "profile/file_store.h"

namespace vorn::names {

enum class NameTableFormat { Text, Delimited, Paradox };

// A server's tables hold some tens of thousands of names; a file many times
// larger is not one.
inline constexpr std::size_t kNameTableFileLimit = 64 * 1024 * 1024;

// The content decides first: bytes that start like a Paradox header are read
// as one, whatever the file is called. Otherwise the extension: ".db" is a
// Paradox table (so a damaged one is named as such), ".csv" and ".tsv"
// delimited, anything else a list of names one a line.
NameTableFormat ChooseNameTableFormat(std::string_view bytes, std::string_view path);

struct NameTableLoad {
    std::optional<NameTable> table;  // never empty
    std::string error;               // when there is no table: "无法读取名称表 <path>：<problem>。"
    NameTableFormat format = NameTableFormat::Text;  // the reader used; Text when nothing was read
};

NameTableLoad LoadNameTable(profile::FileStore& files, const std::string& path);

// The same for bytes already read; `path` names the file in the message and
// gives its extension.
NameTableLoad NameTableFromBytes(std::string_view bytes, std::string_view path);

}  // namespace vorn::names
