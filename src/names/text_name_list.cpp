#include "names/text_name_list.h"

#include <string>

#include "names/table_text.h"

namespace vorn::names {

NameListReading ReadTextNames(std::string_view bytes) {
    const TableText text = DecodeTableText(bytes);
    if (!text.utf8) return NameListReading::Failed(text.problem);

    NameListReading reading;
    std::string_view rest = *text.utf8;
    for (std::size_t line = 1; !rest.empty(); ++line) {
        std::size_t end = rest.find_first_of("\r\n");
        const std::string_view name = TrimBlanks(rest.substr(0, end));
        if (end != std::string_view::npos && rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n')
            ++end;
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (name.empty() || name.front() == ';' || name.front() == '#') continue;
        // A tab inside a line is a column break: a table saved as text.
        if (name.find('\t') != std::string_view::npos)
            return NameListReading::Failed("第 " + std::to_string(line) +
                                           " 行中间有制表符，像是表格而不是一行一个名称（表格请存为 .csv 或 .tsv）");
        reading.names.emplace_back(name);
    }
    if (reading.names.empty()) return NameListReading::Failed("没有任何名称（只有空行或注释行）");
    return reading;
}

}  // namespace vorn::names
