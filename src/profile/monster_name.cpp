#include "profile/monster_name.h"

#include <array>

namespace vorn::profile {
namespace {

using namespace std::string_literals;

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

constexpr std::string_view kTextSuffix = ".txt";
constexpr std::string_view kDropRateSuffix = "-Item.txt";

bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() &&
           EqualsIgnoringAsciiCase(text.substr(text.size() - tail.size()), tail);
}

// Windows opens the device instead of a file for these stems, whatever the
// extension ("nul.txt", "COM1.abc.txt"). ¹ ² ³ count as digits there too.
bool IsDeviceStem(std::string_view stem) {
    static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL",
                                                               "CONIN$", "CONOUT$"};
    for (std::string_view device : kPlain)
        if (EqualsIgnoringAsciiCase(stem, device)) return true;
    for (std::string_view port : {std::string_view("COM"), std::string_view("LPT")}) {
        if (stem.size() < 4 || !EqualsIgnoringAsciiCase(stem.substr(0, 3), port)) continue;
        const std::string_view number = stem.substr(3);
        if (number.size() == 1 && number[0] >= '0' && number[0] <= '9') return true;
        if (number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3") return true;
    }
    return false;
}

// The part of a file name that Windows compares with the device names: up to
// the first dot, without trailing blanks.
std::string_view DeviceStem(std::string_view fileName) {
    std::string_view stem = fileName.substr(0, fileName.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    return stem;
}

}  // namespace

std::string MonsterFileName(std::string_view monsterName) {
    return std::string(monsterName).append(".txt");
}

std::string DropRateFileName(std::string_view monsterName) {
    return std::string(monsterName).append("-Item.txt");
}

std::string FileNameKey(std::string_view fileName) {
    std::string key(fileName);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

bool HasTextFileSuffix(std::string_view fileName) {
    return EndsWithIgnoringAsciiCase(fileName, kTextSuffix);
}

bool IsDropRateFileName(std::string_view fileName) {
    return EndsWithIgnoringAsciiCase(fileName, kDropRateSuffix);
}

bool IsMonsterFileName(std::string_view fileName) {
    return HasTextFileSuffix(fileName) && !IsDropRateFileName(fileName);
}

std::string_view MonsterNameOf(std::string_view fileName) {
    if (IsDropRateFileName(fileName))
        return fileName.substr(0, fileName.size() - kDropRateSuffix.size());
    if (HasTextFileSuffix(fileName))
        return fileName.substr(0, fileName.size() - kTextSuffix.size());
    return fileName;
}

std::optional<std::string> MonsterNameProblem(std::string_view name) {
    if (name.empty()) return std::nullopt;

    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20)
            return "名称中含有控制字符（如制表符），Windows 文件名不能包含它们"s;
    }
    for (char c : name) {
        if (c == '/' || c == '\\')
            return "名称中含有路径分隔符“"s + c + "”，文件会被写到 MonUseItems 目录以外";
    }
    if (name.find_first_not_of('.') == std::string_view::npos)
        return "名称不能只由点组成（“.”和“..”表示目录本身或上级目录）"s;
    for (char c : name) {
        if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
            return "名称中含有 Windows 文件名不允许的字符“"s + c + "”（< > : \" / \\ | ? * 都不能使用）";
    }
    if (name.back() == '.' || name.back() == ' ')
        return "名称不能以点或空格结尾，Windows 会把它们从文件名中去掉"s;
    for (const std::string& fileName : {MonsterFileName(name), DropRateFileName(name)}) {
        const std::string_view stem = DeviceStem(fileName);
        if (IsDeviceStem(stem))
            return "“"s.append(stem).append("”是 Windows 保留的设备名，不能用作文件名");
    }
    return std::nullopt;
}

}  // namespace vorn::profile
