#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "shell/startup_trace_win.h"

namespace vorn::shell {
namespace {

// Sets the trace's environment variable for one test and clears it after.
class TraceVariable {
public:
    explicit TraceVariable(const std::wstring& value) {
        SetEnvironmentVariableW(L"VORN_STARTUP_TRACE", value.empty() ? nullptr : value.c_str());
    }
    ~TraceVariable() { SetEnvironmentVariableW(L"VORN_STARTUP_TRACE", nullptr); }
};

std::vector<std::string> LinesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(StartupTrace, OffItWritesNothingOnItAppendsEveryMarkInOrderWithItsTimeAndMemory) {
    const auto file = std::filesystem::temp_directory_path() / "vorn_startup_trace_test.txt";
    std::filesystem::remove(file);
    {
        const TraceVariable unset(L"");
        StartupTrace trace;
        EXPECT_FALSE(trace.Enabled());
        trace.Mark("nothing");
        trace.Write();
    }
    EXPECT_FALSE(std::filesystem::exists(file));

    const TraceVariable set(file.wstring());
    {
        StartupTrace trace;
        ASSERT_TRUE(trace.Enabled());
        trace.Mark("first step");
        Sleep(20);
        trace.Mark("second step");
        trace.Write();
        trace.Mark("after the write");
    }  // the last mark is written when the trace goes
    const std::vector<std::string> lines = LinesOf(file);
    ASSERT_EQ(lines.size(), 4u);
    const std::vector<std::string> steps{"entry", "first step", "second step", "after the write"};
    std::vector<double> times;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NE(lines[i].find("  " + steps[i] + "\r"), std::string::npos) << lines[i];
        std::istringstream fields(lines[i]);
        double milliseconds = -1;
        std::string unit;
        std::size_t workingSet = 0;
        fields >> milliseconds >> unit >> workingSet;
        EXPECT_EQ(unit, "ms") << lines[i];
        EXPECT_GE(milliseconds, times.empty() ? 0.0 : times.back()) << lines[i];
        EXPECT_GT(workingSet, 0u) << lines[i];
        times.push_back(milliseconds);
    }
    EXPECT_GE(times[2] - times[1], 15.0) << "the 20 ms between the steps";
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace vorn::shell
