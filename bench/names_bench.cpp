// Time of loading a 20,000-name table in every format the tool reads, set
// against the time of only reading the same file into memory, and the time
// of each keystroke's completion while typing several names into a table of
// that size. Targets: a load under 200 ms, every completion well under 30 ms.
// The files are written to a fresh temporary folder, which is removed again.
// Prints medians of `runs` loads, and of 50 completions per keystroke with
// their 90th percentile and maximum.
//
//   names_bench [runs]      (default 9)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "names/name_table_file.h"
#include "native/paradox_table_builder.h"
#include "profile/native_file_store.h"
#include "runtime/base/gbk.h"
#include "runtime/base/unicode_text.h"

namespace {

using namespace vorn;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kNameCount = 20000;
constexpr int kCompletionRuns = 50;

// Names shaped like a server's items: two to seven characters from a pool
// of the words item names are made of, every tenth a Latin one.
std::vector<std::string> MakeNames() {
    const std::string_view kPool =
        "金银铜铁木石火水风雷龙虎凤鹰狼熊魔神圣灵幽冥天地玄黄光暗血骨玉翠紫青赤白黑破碎古老传说战法道之的"
        "剑刀斧杖戒指项链头盔手镯靴腰带勋章衣甲";
    const std::u32string pool = runtime::Utf8Characters(kPool).value();
    const char* kLatin[] = {"Dragon", "Ring", "Blade", "of", "the", "Night", "Moon", "Soul", "Iron", "Sky"};
    std::mt19937 random(936);
    std::set<std::string> seen;
    std::vector<std::string> names;
    while (names.size() < kNameCount) {
        std::string name;
        if (names.size() % 10 == 9) {
            for (std::size_t word = 0, words = 2 + random() % 3; word < words; ++word)
                name.append(word == 0 ? "" : " ").append(kLatin[random() % std::size(kLatin)]);
        } else {
            std::u32string characters;
            for (std::size_t count = 2 + random() % 6; characters.size() < count;)
                characters += pool[random() % pool.size()];
            for (const char32_t c : characters) {
                // Every pool character is 3 bytes of UTF-8.
                name += static_cast<char>(0xE0 | (c >> 12));
                name += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                name += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        if (seen.insert(name).second) names.push_back(name);
    }
    return names;
}

std::string Lines(const std::vector<std::string>& names, std::string_view head, std::string_view end) {
    std::string text(head);
    for (const std::string& name : names) text.append(name).append(end);
    return text;
}

std::string Csv(const std::vector<std::string>& names, char delimiter) {
    std::string text = std::string("Idx") + delimiter + "Name" + delimiter + "StdMode\r\n";
    for (std::size_t index = 0; index < names.size(); ++index)
        text.append(std::to_string(index)).append(1, delimiter).append("\"" + names[index] + "\"")
            .append(1, delimiter).append(std::to_string(index % 30)).append("\r\n");
    return text;
}

std::string Paradox(const std::vector<std::string>& names, std::uint8_t version, std::uint8_t blockKiB) {
    testing::ParadoxTablePlan plan;
    plan.version = version;
    plan.blockKiB = blockKiB;
    plan.fields = {{0x16, 4, "Idx"}, {0x01, 30, "Name"}, {0x03, 2, "StdMode"}, {0x04, 4, "Price"}};
    for (std::size_t index = 0; index < names.size(); ++index) {
        const auto id = static_cast<unsigned>(index + 1);
        plan.records.push_back({{'\x80', '\0', static_cast<char>(id >> 8), static_cast<char>(id & 0xFF)},
                                runtime::Utf8ToGbk(names[index]).value(), "\x80\x05", "\x80\0\x03\xE8"});
    }
    return testing::BuildParadoxTable(plan);
}

template <typename Action>
double MedianMilliseconds(int runs, Action action) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        action();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::string Utf8Path(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A fresh folder under the system's temporary folder, removed at the end.
struct BenchFolder {
    fs::path path = fs::temp_directory_path() / ("vorn-names-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
    BenchFolder() { fs::create_directories(path); }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

bool LoadTimes(profile::FileStore& files, const BenchFolder& folder, const std::vector<std::string>& names,
               int runs) {
    const std::string gbkText = runtime::Utf8ToGbk(Lines(names, "", "\r\n")).value();
    const struct {
        const char* label;
        const char* file;
        std::string bytes;
    } kFiles[] = {
        {"text, GBK, CR LF", "items-gbk.txt", gbkText},
        {"text, UTF-8 with BOM", "items-utf8.txt", Lines(names, "\xEF\xBB\xBF", "\n")},
        {"text, UTF-16LE with BOM", "items-utf16.txt",
         "\xFF\xFE" + runtime::Utf8ToUtf16Le(Lines(names, "", "\r\n")).value()},
        {"CSV, UTF-8, 3 columns, quoted", "items.csv", Csv(names, ',')},
        {"TSV, GBK, 3 columns, quoted", "items.tsv", runtime::Utf8ToGbk(Csv(names, '\t')).value()},
        {"Paradox 7, 2 KiB blocks, 4 fields", "items7.DB", Paradox(names, 0x0C, 2)},
        {"Paradox 4, 4 KiB blocks, 4 fields", "items4.DB", Paradox(names, 0x09, 4)},
        {"Paradox 7, 32 KiB blocks, 4 fields", "items32.DB", Paradox(names, 0x0C, 32)},
    };
    std::printf("%-36s %9s %12s %10s %7s\n", "20,000 names", "KiB", "read only ms", "load ms", "ratio");
    bool allRead = true;
    for (const auto& item : kFiles) {
        const fs::path path = folder.path / item.file;
        std::ofstream(path, std::ios::binary).write(item.bytes.data(), static_cast<std::streamsize>(item.bytes.size()));
        const std::string utf8Path = Utf8Path(path);
        const double readOnly = MedianMilliseconds(runs, [&] { files.ReadFileUpTo(utf8Path, names::kNameTableFileLimit); });
        names::NameTableLoad load;
        const double loading = MedianMilliseconds(runs, [&] { load = names::LoadNameTable(files, utf8Path); });
        const bool read = load.table && load.table->size() == names.size();
        allRead = allRead && read;
        std::printf("%-36s %9.0f %12.2f %10.2f %7.1f%s%s\n", item.label, static_cast<double>(item.bytes.size()) / 1024,
                    readOnly, loading, loading / readOnly, read ? "" : "  NOT READ: ", load.error.c_str());
    }
    // The share of building the table (repeated names, look-up and
    // completion orders, folded forms) in every load above.
    std::vector<std::vector<std::string>> copies(static_cast<std::size_t>(runs), names);
    std::size_t run = 0;
    const double building = MedianMilliseconds(runs, [&] { const names::NameTable table(std::move(copies[run++])); });
    std::printf("%-36s %9s %12s %10.2f\n", "of which: the table from the names", "", "", building);
    return allRead;
}

void CompletionTimes(const names::NameTable& table, const std::vector<std::string>& names) {
    // What a user types, one keystroke at a time: names from the table (a
    // long one, a short one, a Latin one), a name that is not there, and a
    // Latin name in another case that is not there either.
    std::vector<std::string> typed = {names[4], names[19], "神圣之剑不存在", "dragon ring of the sky"};
    const auto longName = std::ranges::find_if(names, [](const std::string& name) { return name.size() >= 21; });
    typed.insert(typed.begin(), *longName);
    std::printf("\n%-40s %8s %10s %10s %10s\n", "typed so far", "offered", "median ms", "90% ms", "max ms");
    double worst = 0;
    double worstNinety = 0;
    for (const std::string& text : typed) {
        for (std::size_t end = 1; end <= text.size(); ++end) {
            // One keystroke: up to the end of the next character.
            if (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) continue;
            const std::string soFar = text.substr(0, end);
            std::size_t offered = 0;
            std::vector<double> times;
            for (int run = 0; run < kCompletionRuns; ++run) {
                const auto start = Clock::now();
                offered = table.Complete(soFar).size();
                times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            }
            std::sort(times.begin(), times.end());
            const double ninety = times[times.size() * 9 / 10];
            worst = std::max(worst, times.back());
            worstNinety = std::max(worstNinety, ninety);
            std::printf("%-40s %8zu %10.3f %10.3f %10.3f\n", soFar.c_str(), offered, times[times.size() / 2], ninety,
                        times.back());
        }
    }
    std::printf("slowest keystroke: 90%% within %.3f ms, at most %.3f ms (target: well under 30 ms)\n", worstNinety,
                worst);
}

}  // namespace

int RunBench(int runs) {
    const std::vector<std::string> names = MakeNames();
    profile::NativeFileStore files;
    BenchFolder folder;
    const bool allRead = LoadTimes(files, folder, names, runs);
    const names::NameTable table(names);
    CompletionTimes(table, names);
    return allRead ? 0 : 1;
}

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return RunBench(argc > 1 ? std::max(1, _wtoi(argv[1])) : 9); }
#else
int main(int argc, char** argv) { return RunBench(argc > 1 ? std::max(1, std::atoi(argv[1])) : 9); }
#endif
