// Time of the monster list over a folder of 5,000 monster files: listing and
// summing up every file (ReadMonsterFolder), one search keystroke (RowSearch,
// alone and followed by sorting the matches by name), and sorting the whole
// list, against reading the same files with the system's bare calls. The
// targets: the listing under 1 s, a keystroke under 50 ms.
//
//   folder_bench [runs] [monsters]      (defaults 5 and 5000)
//
// The folder is made under the system's temporary folder and removed at the
// end. Prints the median and the fastest of `runs` for each measurement.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "folder_baseline.h"
#include "monsterfolder/monster_folder.h"
#include "monsterfolder/row_order.h"
#include "monsterfolder/row_search.h"
#include "monsterfolder/row_summary.h"
#include "profile/monster_name.h"
#include "profile/monster_text.h"
#include "profile/native_file_store.h"
#include "runtime/base/gbk.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::array<std::string_view, 10> kStems{"骷髅",     "僵尸",     "尸王",     "祖玛卫士",
                                                  "沃玛战将", "赤月恶魔", "魔龙教主", "虹魔蝎卫",
                                                  "Boss",     "Guard"};
constexpr std::array<std::string_view, 16> kItems{
    "屠龙",     "裁决之杖", "骨玉权杖",     "龙纹剑",   "天魔神甲", "法神披风",
    "天尊道袍", "圣战头盔", "记忆项链",     "绿色项链", "幽灵手套", "龙之戒指",
    "紫碧螺",   "魔血手镯", "Dragon Sword", "布衣"};

fs::path Utf8Path(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Monsters of every job and gender, most wearing a few items; every fourth
// allows digging and has its drop-rate file.
void MakeFolder(const fs::path& folder, int monsters) {
    fs::create_directories(folder);
    for (int n = 0; n < monsters; ++n) {
        vorn::profile::MonsterProfile monster;
        monster.monsterName =
            std::string(kStems[static_cast<std::size_t>(n) % kStems.size()]) + std::to_string(n);
        monster.job = n % 3;
        monster.gender = n / 3 % 2;
        monster.dropUseItem = n % 2;
        monster.butchUseItem = n % 4 == 0;
        monster.dropUseItemRate = std::to_string(n % 101);
        for (int slot = 0; slot < 13; slot += 1 + n % 4)
            monster.useItems[static_cast<std::size_t>(slot)] =
                kItems[static_cast<std::size_t>(n + slot) % kItems.size()];
        const std::string text = vorn::profile::MonsterHeaderLine(monster.monsterName) +
                                 vorn::profile::MonsterBody(monster);
        Write(folder / Utf8Path(monster.monsterName + ".txt"), *vorn::runtime::Utf8ToGbk(text));
        if (monster.butchUseItem)
            Write(folder / Utf8Path(monster.monsterName + "-Item.txt"),
                  *vorn::runtime::Utf8ToGbk(vorn::profile::DropRateLine(monster.monsterName)));
    }
}

struct Times {
    double median = 0;
    double fastest = 0;
};

template <typename Work>
double Milliseconds(Work work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Times Summary(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

template <typename Work>
Times Measure(int runs, Work work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) times.push_back(Milliseconds(work));
    return Summary(std::move(times));
}

void Print(const char* what, Times times, const std::string& note = {}) {
    std::printf("%-46s %9.2f %9.2f  %s\n", what, times.median, times.fastest, note.c_str());
}

}  // namespace

int RunBench(int runs, int monsters) {
    const fs::path folder =
        fs::temp_directory_path() /
        ("vorn-folder-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
    MakeFolder(folder, monsters);
    const std::u8string u8 = folder.u8string();
    const std::string utf8(u8.begin(), u8.end());
    vorn::profile::NativeFileStore files;

    std::printf("%d monsters in %s\n", monsters, utf8.c_str());
    std::printf("%-46s %9s %9s\n", "", "median ms", "best ms");
    // The bare reading and the list take turns, so both meet the same load
    // of the machine.
    BareReading bare;
    std::size_t listed = 0;
    vorn::monsterfolder::FolderReading reading;
    std::vector<double> bareTimes, listTimes, readTimes;
    for (int run = 0; run < runs; ++run) {
        bareTimes.push_back(Milliseconds([&] { bare = ReadFolderBare(utf8); }));
        listTimes.push_back(Milliseconds([&] { listed = files.ListFolder(utf8).files.size(); }));
        readTimes.push_back(
            Milliseconds([&] { reading = vorn::monsterfolder::ReadMonsterFolder(files, utf8); }));
    }
    const Times bareTime = Summary(bareTimes);
    const Times readTime = Summary(readTimes);
    Print("bare calls: list and read the monster files", bareTime,
          std::to_string(bare.files) + " files, " + std::to_string(bare.bytes) + " bytes");
    Print("NativeFileStore::ListFolder alone", Summary(listTimes),
          std::to_string(listed) + " files");
    char ratio[64];
    std::snprintf(ratio, sizeof ratio, "%zu rows; %.2f times the bare calls", reading.rows.size(),
                  readTime.median / bareTime.median);
    Print("ReadMonsterFolder: list and sum up", readTime, ratio);

    // The same work without the disk: what reading and summing up costs.
    const vorn::profile::FolderListing listing = files.ListFolder(utf8);
    std::vector<std::pair<const vorn::profile::FolderFile*, vorn::profile::FileContent>> contents;
    for (const vorn::profile::FolderFile& file : listing.files)
        if (vorn::profile::IsMonsterFileName(file.name))
            contents.emplace_back(&file, files.ReadWholeFile(utf8 + files.Separator() + file.name));
    Print("SummariseMonster alone, files already read", Measure(runs, [&] {
              for (const auto& [file, content] : contents)
                  vorn::monsterfolder::SummariseMonster(*file, content, false);
          }));

    std::unique_ptr<vorn::monsterfolder::RowSearch> search;
    Print("RowSearch: fold every row", Measure(runs, [&] {
              search = std::make_unique<vorn::monsterfolder::RowSearch>(reading.rows);
          }));

    const std::string_view queries[] = {"骷", "骷髅", "骷髅1",    "骷髅12",   "屠", "屠龙",
                                        "d",  "drag", "ＤＲＡＧ", "记忆项链", "zz"};
    double slowest = 0;
    for (std::string_view query : queries) {
        std::vector<std::size_t> matches;
        const Times match = Measure(runs * 4, [&] { matches = search->Matching(query); });
        const std::size_t found = matches.size();
        const Times sorted = Measure(runs * 4, [&] {
            matches = search->Matching(query);
            vorn::monsterfolder::SortRows(reading.rows, matches,
                                          vorn::monsterfolder::ListColumn::Name,
                                          vorn::monsterfolder::SortDirection::Ascending);
        });
        slowest = std::max(slowest, sorted.median);
        const std::string label = "keystroke \"" + std::string(query) + "\"";
        char note[96];
        std::snprintf(note, sizeof note, "%zu matches; then sorted by name: %.2f ms", found,
                      sorted.median);
        Print(label.c_str(), match, note);
    }
    std::vector<std::size_t> all(reading.rows.size());
    for (auto column :
         {vorn::monsterfolder::ListColumn::Name, vorn::monsterfolder::ListColumn::Status,
          vorn::monsterfolder::ListColumn::Modified}) {
        const Times sort = Measure(runs, [&] {
            std::iota(all.begin(), all.end(), 0);
            vorn::monsterfolder::SortRows(reading.rows, all, column,
                                          vorn::monsterfolder::SortDirection::Descending);
        });
        Print(("sort all rows by " + std::string(vorn::monsterfolder::ColumnTitle(column))).c_str(),
              sort);
    }
    std::printf("slowest keystroke with sorting: %.2f ms\n", slowest);

    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return 0;
}

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    return RunBench(argc > 1 ? std::max(1, _wtoi(argv[1])) : 5,
                    argc > 2 ? std::max(1, _wtoi(argv[2])) : 5000);
}
#else
int main(int argc, char** argv) {
    return RunBench(argc > 1 ? std::max(1, std::atoi(argv[1])) : 5,
                    argc > 2 ? std::max(1, std::atoi(argv[2])) : 5000);
}
#endif
