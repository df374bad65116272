#include "names/name_table_file.h"

#include <utility>

#include "names/delimited_name_list.h"
#include "names/paradox_header.h"
#include "names/paradox_name_list.h"
#include "names/table_text.h"
#include "names/text_name_list.h"

namespace vorn::names {
namespace {

bool HasExtension(std::string_view path, std::string_view extension) {
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::string_view name = nameStart == std::string_view::npos ? path : path.substr(nameStart + 1);
    return name.size() > extension.size() &&
           SameIgnoringAsciiCase(name.substr(name.size() - extension.size()), extension);
}

NameTableLoad Failed(std::string_view path, NameTableFormat format, std::string_view problem) {
    return {std::nullopt, "无法读取名称表 " + std::string(path) + "：" + std::string(problem) + "。", format};
}

}  // namespace

NameTableFormat ChooseNameTableFormat(std::string_view bytes, std::string_view path) {
    if (LooksLikeParadox(bytes) || HasExtension(path, ".db")) return NameTableFormat::Paradox;
    if (HasExtension(path, ".csv") || HasExtension(path, ".tsv")) return NameTableFormat::Delimited;
    return NameTableFormat::Text;
}

NameTableLoad NameTableFromBytes(std::string_view bytes, std::string_view path) {
    const NameTableFormat format = ChooseNameTableFormat(bytes, path);
    if (bytes.empty()) return Failed(path, format, "文件是空的");
    NameListReading reading;
    switch (format) {
        case NameTableFormat::Paradox: reading = ReadParadoxNames(bytes); break;
        case NameTableFormat::Delimited: reading = ReadDelimitedNames(bytes); break;
        case NameTableFormat::Text: reading = ReadTextNames(bytes); break;
    }
    if (!reading.ok()) return Failed(path, format, reading.problem);
    return {NameTable(std::move(reading.names)), {}, format};
}

NameTableLoad LoadNameTable(profile::FileStore& files, const std::string& path) {
    const profile::FileContent content = files.ReadFileUpTo(path, kNameTableFileLimit);
    switch (content.status) {
        case profile::FileContent::Status::Missing: return Failed(path, NameTableFormat::Text, "文件不存在");
        case profile::FileContent::Status::Failed: return Failed(path, NameTableFormat::Text, content.error);
        case profile::FileContent::Status::Read: break;
    }
    return NameTableFromBytes(content.bytes, path);
}

}  // namespace vorn::names
