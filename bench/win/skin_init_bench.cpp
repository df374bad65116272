// skin_init_bench.exe [runs]
//
// What initialising the skin costs: InitSkin (with the program's theme
// picture, GDI+ started, built-in cursors) followed by LoadControlImages.
//
// Cold: `runs` child processes (this program with --child) each initialise
// one state in a fresh process, so the time includes starting GDI+ and loading
// its decoders. Warm: in this process, after one unmeasured initialisation,
// `runs` states are created, initialised and destroyed in turn. For both it
// measures the time and what the process's working set and committed private
// memory (PagefileUsage) grew by while the state lived, and prints medians.
#define PSAPI_VERSION 2  // GetProcessMemoryInfo from kernel32, no psapi.dll
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "runtime/base/embedded_files.h"
#include "skin/skin_state_win.h"

namespace {

using vorn::skin::SkinState;

struct Sample {
    double initMs = 0;
    double controlImagesMs = 0;
    double workingSetKiB = 0;
    double committedKiB = 0;
};

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

double KiB(SIZE_T after, SIZE_T before) {
    return (static_cast<double>(after) - static_cast<double>(before)) / 1024.0;
}

// Initialises `skin`; the memory is read while it is still alive.
Sample Initialise(SkinState& skin) {
    const auto theme = vorn::runtime::EmbeddedFileBytes("background.jpg");
    const PROCESS_MEMORY_COUNTERS before = Memory();
    const double start = NowMs();
    vorn::skin::InitSkin(skin, theme, false, true);
    const double initialised = NowMs();
    vorn::skin::LoadControlImages(skin);
    const double loaded = NowMs();
    const PROCESS_MEMORY_COUNTERS after = Memory();
    return {initialised - start, loaded - initialised,
            KiB(after.WorkingSetSize, before.WorkingSetSize),
            KiB(after.PagefileUsage, before.PagefileUsage)};
}

// Runs this program with --child and reads the one sample it prints.
bool RunChild(Sample& sample) {
    wchar_t path[MAX_PATH];
    if (GetModuleFileNameW(nullptr, path, MAX_PATH) == 0) return false;
    std::wstring commandLine = L"\"" + std::wstring(path) + L"\" --child";

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    const bool started = CreateProcessW(path, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[256];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
            output.append(buffer, read);
        WaitForSingleObject(info.hProcess, INFINITE);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    CloseHandle(readEnd);
    return started && std::sscanf(output.c_str(), "%lf %lf %lf %lf", &sample.initMs,
                                  &sample.controlImagesMs, &sample.workingSetKiB,
                                  &sample.committedKiB) == 4;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void PrintMedians(const char* label, const std::vector<Sample>& samples) {
    const auto column = [&](double Sample::*field) {
        std::vector<double> values;
        for (const Sample& sample : samples) values.push_back(sample.*field);
        return Median(values);
    };
    std::printf("%-5s InitSkin %7.1f ms, LoadControlImages %6.2f ms, working set +%7.0f KiB, "
                "committed +%7.0f KiB\n",
                label, column(&Sample::initMs), column(&Sample::controlImagesMs),
                column(&Sample::workingSetKiB), column(&Sample::committedKiB));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wcscmp(argv[1], L"--child") == 0) {
        SkinState skin;
        const Sample sample = Initialise(skin);
        std::printf("%f %f %f %f\n", sample.initMs, sample.controlImagesMs, sample.workingSetKiB,
                    sample.committedKiB);
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;

    std::vector<Sample> cold;
    for (int run = 0; run < runs; ++run) {
        Sample sample;
        if (!RunChild(sample)) {
            std::fprintf(stderr, "child run %d failed\n", run + 1);
            return 1;
        }
        std::printf("cold run %2d: InitSkin %7.1f ms, LoadControlImages %6.2f ms, "
                    "working set +%7.0f KiB, committed +%7.0f KiB\n",
                    run + 1, sample.initMs, sample.controlImagesMs, sample.workingSetKiB,
                    sample.committedKiB);
        cold.push_back(sample);
    }

    {  // GDI+ and the decoders are loaded once per process; not measured.
        SkinState warmUp;
        Initialise(warmUp);
    }
    std::vector<Sample> warm;
    for (int run = 0; run < runs; ++run) {
        SkinState skin;
        warm.push_back(Initialise(skin));
    }

    std::printf("\nmedians over %d runs (screen %d x %d)\n", runs, GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN));
    PrintMedians("cold", cold);
    PrintMedians("warm", warm);
    return 0;
}
