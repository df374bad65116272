// Time of reading a 1 MiB monster file, for the shapes that cost the reader
// most: many short lines before a broken byte (the search for the line to
// name), many Chinese lines before one, many lines it keeps, many second
// copies of a key (one note each), many UTF-8 lines, with or without a
// character GBK lacks. Every case must stay linear in the size:
// the target is under 100 ms each on an optimised native build. Prints the
// median in milliseconds of `runs` reads per case.
//
//   reader_bench [runs]      (default 5)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "profile/monster_file_reader.h"

namespace {

constexpr std::size_t kSize = 1024 * 1024;

// `line` repeated up to 1 MiB after `head`, then `tail`.
std::string Repeated(std::string_view head, std::string_view line, std::string_view tail) {
    std::string bytes(head);
    while (bytes.size() + line.size() + tail.size() <= kSize) bytes.append(line);
    return bytes.append(tail);
}

double MedianMilliseconds(const std::string& bytes, int runs, bool& accepted) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        accepted = vorn::profile::ReadMonsterFile(bytes).file.has_value();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int RunBench(int runs) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty lines, broken last byte", Repeated("[Info]\r\n", "\r\n", "\xFF")},
        {"Chinese lines, broken last byte", Repeated("[Info]\r\n", "\xBC\xD7\r\n", "\x81")},  // 甲
        {"kept lines", Repeated("[Info]\r\n", "MonGen=\xBC\xD7\r\n", "")},
        {"second copies of a key", Repeated("[Info]\r\n", "Job=1\r\n", "")},
        {"UTF-8 kept lines", Repeated("[Info]\r\n", "MonGen=\xE7\x94\xB2\r\n", "")},  // 甲
        {"UTF-8 lines GBK lacks", Repeated("[Info]\r\n", "MonGen=\xF0\x9F\x98\x80\r\n", "")},
    };
    std::printf("%-34s %10s  %s\n", "1 MiB file", "median ms", "read as");
    for (const auto& item : cases) {
        bool accepted = false;
        const double ms = MedianMilliseconds(item.bytes, runs, accepted);
        std::printf("%-34s %10.1f  %s\n", item.name, ms, accepted ? "monster file" : "refused");
    }
    return 0;
}

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return RunBench(argc > 1 ? std::max(1, _wtoi(argv[1])) : 5); }
#else
int main(int argc, char** argv) { return RunBench(argc > 1 ? std::max(1, std::atoi(argv[1])) : 5); }
#endif
