// frame_bench.exe <program.exe> [repaints]
//
// One full repaint of the running program's skinned main window: the window
// is asked `repaints` times (default 200) to redraw itself whole (its redraw
// message, sent, so the call returns when the frame, the items and the
// screen copy are done); prints the median and the 90th percentile of the
// round trips. (Idle CPU is measured by bench/run_frame.sh from outside
// Wine: Wine does not report another process's CPU times.)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "visible_window.h"

namespace {

constexpr UINT kRedrawMessage = 0x402;  // the skinned window's redraw request

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: frame_bench <program.exe> [repaints]\n", stderr);
        return 2;
    }
    const int repaints = argc > 2 ? std::max(1, _wtoi(argv[2])) : 200;
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        std::fputs("cannot start the program\n", stderr);
        return 1;
    }
    CloseHandle(info.hThread);
    HWND window = nullptr;
    for (int i = 0; i < 30000 && !window; ++i) {
        window = vorn::bench::VisibleWindowOf(info.dwProcessId);
        if (!window) Sleep(1);
    }
    if (!window) {
        std::fputs("the program showed no window\n", stderr);
        TerminateProcess(info.hProcess, 1);
        return 1;
    }
    WaitForInputIdle(info.hProcess, 5000);
    Sleep(500);

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < repaints; ++i) {
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, kRedrawMessage, 0, 0, SMTO_NORMAL, 5000, &result);
        QueryPerformanceCounter(&after);
        times.push_back(Milliseconds(before, after, frequency));
    }
    std::sort(times.begin(), times.end());
    std::wprintf(L"full repaint over %d repaints: median %.2f ms, 90th percentile %.2f ms\n",
                 repaints, times[times.size() / 2], times[times.size() * 9 / 10]);

    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    return 0;
}
