// startup_bench.exe <program.exe> <baseline_window.exe> [launches]
//
// Starts the program and the baseline window alternately, `launches` times
// each, and measures for every launch the time from CreateProcess to its first
// visible top-level window, and the peak working set just before closing it.
// Prints the medians of both and the program's ratios to the baseline.
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
    std::vector<Sample> samples;
};

double Now(LARGE_INTEGER frequency) {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One launch; false if the program showed no window within 30 s.
bool Measure(const std::wstring& path, Sample& sample) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::wstring commandLine = L"\"" + path + L"\"";
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
    Series series[] = {{L"program", argv[1], {}}, {L"baseline", argv[2], {}}};

    // One unmeasured launch each: the first start pays for loading the
    // system DLLs into the cache.
    for (Series& s : series) {
        Sample warmUp;
        if (!Measure(s.path, warmUp)) {
            std::fwprintf(stderr, L"%ls (%ls) showed no window\n", s.label, s.path.c_str());
            return 1;
        }
    }
    for (int i = 0; i < launches; ++i) {
        for (Series& s : series) {
            Sample sample;
            if (!Measure(s.path, sample)) {
                std::fwprintf(stderr, L"%ls showed no window on launch %d\n", s.label, i + 1);
                return 1;
            }
            s.samples.push_back(sample);
            std::wprintf(L"%-8ls launch %2d: %8.1f ms to visible, peak working set %8.0f KiB\n",
                         s.label, i + 1, sample.startupMs, sample.peakWorkingSetKiB);
        }
    }

    const double programMs = Median(Column(series[0], &Sample::startupMs));
    const double baselineMs = Median(Column(series[1], &Sample::startupMs));
    const double programKiB = Median(Column(series[0], &Sample::peakWorkingSetKiB));
    const double baselineKiB = Median(Column(series[1], &Sample::peakWorkingSetKiB));
    std::wprintf(L"\nmedians over %d launches each\n", launches);
    std::wprintf(L"  start-up to visible: program %.1f ms, baseline %.1f ms, ratio %.2f\n",
                 programMs, baselineMs, programMs / baselineMs);
    std::wprintf(L"  peak working set:    program %.0f KiB, baseline %.0f KiB, ratio %.2f\n",
                 programKiB, baselineKiB, programKiB / baselineKiB);
    return 0;
}
