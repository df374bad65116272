// startup_bench.exe <program.exe> <baseline_window.exe> [launches]
//
// Starts the program, the baseline window and the baseline window with GDI+
// text ("--gdiplus-text") in turn, `launches` times each, and measures for
// every launch the time from CreateProcess to its first visible top-level
// window, and the peak working set just before closing it. Prints the medians
// and the program's ratios to both baselines.
#define PSAPI_VERSION 2  // GetProcessMemoryInfo from kernel32, no psapi.dll
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "visible_window.h"

namespace {

using vorn::bench::VisibleWindowOf;

struct Sample {
    double startupMs = 0;
    double peakWorkingSetKiB = 0;
};

struct Series {
    const wchar_t* label;
    std::wstring path;
    const wchar_t* arguments;
    std::vector<Sample> samples;
};

double Now(LARGE_INTEGER frequency) {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One launch; false if the program showed no window within 30 s.
bool Measure(const std::wstring& path, const wchar_t* arguments, Sample& sample) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double start = Now(frequency);
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);

    HWND window = nullptr;
    while (!window && Now(frequency) - start < 30000.0 &&
           WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        window = VisibleWindowOf(info.dwProcessId);
        if (!window) Sleep(1);
    }
    const double shown = Now(frequency);
    if (window) {
        // Let the first paint and any start-up work after showing finish.
        WaitForInputIdle(info.hProcess, 2000);
        Sleep(300);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory);
        sample = {shown - start, static_cast<double>(memory.PeakWorkingSetSize) / 1024.0};
    }
    // Closing is not measured, and the program would ask before closing.
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    return window != nullptr;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::vector<double> Column(const Series& series, double Sample::*field) {
    std::vector<double> values;
    for (const Sample& sample : series.samples) values.push_back(sample.*field);
    return values;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: startup_bench <program.exe> <baseline_window.exe> [launches]\n", stderr);
        return 2;
    }
    const int launches = argc > 3 ? std::max(1, _wtoi(argv[3])) : 10;
    Series series[] = {{L"program", argv[1], L"", {}},
                       {L"baseline", argv[2], L"", {}},
                       {L"+gdiplus", argv[2], L"--gdiplus-text", {}}};

    // One unmeasured launch each: the first start pays for loading the
    // system DLLs into the cache.
    for (Series& s : series) {
        Sample warmUp;
        if (!Measure(s.path, s.arguments, warmUp)) {
            std::fwprintf(stderr, L"%ls (%ls) showed no window\n", s.label, s.path.c_str());
            return 1;
        }
    }
    for (int i = 0; i < launches; ++i) {
        for (Series& s : series) {
            Sample sample;
            if (!Measure(s.path, s.arguments, sample)) {
                std::fwprintf(stderr, L"%ls showed no window on launch %d\n", s.label, i + 1);
                return 1;
            }
            s.samples.push_back(sample);
            std::wprintf(L"%-8ls launch %2d: %8.1f ms to visible, peak working set %8.0f KiB\n",
                         s.label, i + 1, sample.startupMs, sample.peakWorkingSetKiB);
        }
    }

    const double programMs = Median(Column(series[0], &Sample::startupMs));
    const double programKiB = Median(Column(series[0], &Sample::peakWorkingSetKiB));
    std::wprintf(L"\nmedians over %d launches each\n", launches);
    std::wprintf(L"  program:  start-up to visible %.1f ms, peak working set %.0f KiB\n", programMs,
                 programKiB);
    for (const Series& floor : {series[1], series[2]}) {
        const double ms = Median(Column(floor, &Sample::startupMs));
        const double kib = Median(Column(floor, &Sample::peakWorkingSetKiB));
        std::wprintf(L"  %-8ls: start-up to visible %.1f ms, peak working set %.0f KiB; "
                     L"the program's ratios %.2f and %.2f\n",
                     floor.label, ms, kib, programMs / ms, programKiB / kib);
    }
    return 0;
}
