#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/controls/message_loop_win.h"
#include "runtime/system/program_control_win.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {
namespace {

// A plain hidden window to tie idle callbacks to.
HWND CreateScratchWindow() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(MessageLoop, RunsIdleWorkOnceTheQueueIsEmptyAndReturnsTheQuitCode) {
    const HWND window = CreateScratchWindow();
    MessageLoop loop;
    std::vector<std::string> order;
    constexpr UINT kWork = WM_APP + 1;
    // Posted work is handled before any idle callback runs.
    PostMessageW(window, kWork, 0, 0);
    PostMessageW(window, kWork, 0, 0);
    int idleRuns = 0;
    loop.AddIdleCallback(window, [&] {
        MSG pending{};
        order.push_back(PeekMessageW(&pending, window, kWork, kWork, PM_REMOVE) ? "work" : "idle");
        // Wants more idle time twice, then ends the loop.
        if (++idleRuns == 3) PostQuitMessage(7);
        return idleRuns < 3;
    });
    EXPECT_EQ(loop.Run(), 7);
    EXPECT_EQ(order, (std::vector<std::string>{"idle", "idle", "idle"}))
        << "idle work never overtakes queued messages";
    DestroyWindow(window);
}

TEST(MessageLoop, IdleCallbacksOfDestroyedWindowsAreDropped) {
    MessageLoop loop;
    const HWND gone = CreateScratchWindow();
    const HWND kept = CreateScratchWindow();
    int goneRuns = 0, keptRuns = 0;
    loop.AddIdleCallback(gone, [&] { ++goneRuns; return false; });
    loop.AddIdleCallback(kept, [&] { ++keptRuns; return false; });
    EXPECT_FALSE(loop.RunIdleCallbacks());
    DestroyWindow(gone);
    EXPECT_FALSE(loop.RunIdleCallbacks());
    EXPECT_EQ(goneRuns, 1);
    EXPECT_EQ(keptRuns, 2);
    DestroyWindow(kept);
}

TEST(ProcessControl, CleanupRoutinesRunNewestFirstAndOnlyOnce) {
    ProcessControl program;
    std::string ran;
    program.AddCleanup([&] { ran += "skin;"; });
    program.AddCleanup([&] { ran += "boxes;"; });
    program.AddCleanup([&] { throw 1; });  // a failing routine stops none of the others
    program.RunCleanups();
    EXPECT_EQ(ran, "boxes;skin;");
    program.RunCleanups();
    EXPECT_EQ(ran, "boxes;skin;");
}

TEST(ProcessControlDeathTest, EndProgramLeavesTheLoopWithTheCodeThenTheCleanupsRunOnce) {
    // The whole program's ending, in a child process: the loop returns the
    // code, the clean-ups run once, newest first, and the process exits with it.
    const auto end = [] {
        ProcessControl program;
        program.AddCleanup([] { std::fputs("first", stderr); });
        program.AddCleanup([] { std::fputs("second+", stderr); });
        program.EndProgram(5);
        std::fputs("loop+", stderr);
        MessageLoop loop;
        const int code = loop.Run();
        program.RunCleanups();
        program.RunCleanups();
        std::exit(code);
    };
    EXPECT_EXIT(end(), ::testing::ExitedWithCode(5), "loop\\+second\\+first$");
}

TEST(ProcessControl, ProgramDirectoryIsTheFolderOfTheProgramFile) {
    ProcessControl program;
    const std::string directory = program.ProgramDirectory();
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::string file = Narrow(path);
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '\\');
    EXPECT_EQ(file.rfind(directory + "\\", 0), 0u) << file;
    EXPECT_EQ(file.find('\\', directory.size() + 1), std::string::npos) << "the file's own folder";
}

}  // namespace
}  // namespace vorn::runtime
