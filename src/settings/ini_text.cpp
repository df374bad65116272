#include "settings/ini_text.h"

namespace vorn::settings {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The next line of `text`, which loses it and its line end.
std::string_view TakeLine(std::string_view& text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return line;
}

std::string LineProblem(int number, std::string_view what) {
    return "第 " + std::to_string(number) + " 行" + std::string(what);
}

}  // namespace

IniParse ParseIni(std::string_view utf8) {
    IniParse parse;
    std::string section;
    bool inSection = false;
    for (int number = 1; !utf8.empty(); ++number) {
        const std::string_view line = Trimmed(TakeLine(utf8));
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']' || Trimmed(line.substr(1, line.size() - 2)).empty()) {
                parse = {{}, LineProblem(number, "的节名不完整")};
                return parse;
            }
            section = Trimmed(line.substr(1, line.size() - 2));
            inSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = Trimmed(line.substr(0, equals));
        if (equals == std::string_view::npos || key.empty()) {
            parse = {{}, LineProblem(number, "不是“名称=值”的格式")};
            return parse;
        }
        if (!inSection) {
            parse = {{}, LineProblem(number, "不在任何 [节] 之下")};
            return parse;
        }
        if (!parse.document.Value(section, key))
            parse.document.SetValue(section, key, Trimmed(line.substr(equals + 1)));
    }
    return parse;
}

std::string FormatIni(const IniDocument& document) {
    std::string text;
    for (const IniSection& section : document.Sections()) {
        if (!text.empty()) text += "\r\n";
        text += "[" + section.name + "]\r\n";
        for (const IniEntry& entry : section.entries) text += entry.key + "=" + entry.value + "\r\n";
    }
    return text;
}

}  // namespace vorn::settings
