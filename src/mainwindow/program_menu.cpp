#include "mainwindow/program_menu.h"


namespace vorn::mainwindow {
namespace {

constexpr std::size_t kFolderColumn = 36;

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

std::size_t LastSeparator(std::string_view path) { return path.find_last_of("\\/"); }

// "白野猪" of "D:\\x\\白野猪.txt".
std::string MonsterOf(std::string_view path) {
    const std::size_t slash = LastSeparator(path);
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (name.size() > 4 && name.substr(name.size() - 4) == ".txt") name.remove_suffix(4);
    return std::string(name);
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = LastSeparator(path);
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

}  // namespace

std::string ShortenedFolder(std::string_view folder, std::size_t maxCharacters) {
    if (CharacterCount(folder) <= maxCharacters) return std::string(folder);
    const std::size_t first = folder.find_first_of("\\/");
    if (first == std::string_view::npos) return std::string(folder);
    const std::string head(folder.substr(0, first + 1));
    // Whole folders from the end while they fit behind the head and "…".
    std::vector<std::string_view> kept;  // last folder first
    std::size_t used = CharacterCount(head) + 1;
    std::string_view rest = folder.substr(first + 1);
    while (!rest.empty()) {
        const std::size_t slash = LastSeparator(rest);
        const std::string_view part = slash == std::string_view::npos ? rest : rest.substr(slash + 1);
        if (!kept.empty() && used + 1 + CharacterCount(part) > maxCharacters) break;
        kept.push_back(part);
        used += 1 + CharacterCount(part);
        if (slash == std::string_view::npos) break;
        rest = rest.substr(0, slash);
    }
    std::string shortened = head + "\xE2\x80\xA6";
    for (auto part = kept.rbegin(); part != kept.rend(); ++part) {
        shortened += folder[first];
        shortened += *part;
    }
    return shortened;
}

std::vector<ProgramMenuEntry> ProgramMenuEntries(std::span<const std::string> recentFiles) {
    std::vector<ProgramMenuEntry> entries = {
        {"新建怪物(&N)", "Ctrl+N", static_cast<int>(MenuCommand::NewMonster)},
        {"打开怪物文件(&O)…", "Ctrl+O", static_cast<int>(MenuCommand::Open)},
        {"生成文件(&S)", "Ctrl+S", static_cast<int>(MenuCommand::Generate)},
        {"怪物列表(&L)…", "Ctrl+L", static_cast<int>(MenuCommand::MonsterList)},
        {},
    };
    if (recentFiles.empty()) entries.push_back({"（没有最近打开的文件）", "", 0, false});
    for (std::size_t i = 0; i < recentFiles.size(); ++i) {
        // Keys 1 to 8 pick a file; "&&" keeps an ampersand of a name as it is.
        std::string name;
        for (const char c : MonsterOf(recentFiles[i])) name += c == '&' ? std::string("&&") : std::string(1, c);
        std::string text = "&";
        text += std::to_string(i + 1);
        text += "  ";
        text += name;
        entries.push_back({std::move(text),
                           ShortenedFolder(FolderOf(recentFiles[i]), kFolderColumn),
                           static_cast<int>(MenuCommand::FirstRecent) + static_cast<int>(i)});
    }
    entries.push_back({});
    entries.push_back({"帮助(&H)", "F1", static_cast<int>(MenuCommand::Help)});
    return entries;
}

}  // namespace vorn::mainwindow
