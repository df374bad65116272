#include "shell/startup_trace_win.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "runtime/win32/handles_win.h"

namespace vorn::shell {
namespace {

long long Ticks(const FILETIME& time) {
    return static_cast<long long>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart);
}

std::wstring TraceFileFromEnvironment() {
    const DWORD length = GetEnvironmentVariableW(L"VORN_STARTUP_TRACE", nullptr, 0);
    if (length <= 1) return {};
    std::wstring file(length, L'\0');
    const DWORD written = GetEnvironmentVariableW(L"VORN_STARTUP_TRACE", file.data(), length);
    file.resize(written < length ? written : 0);
    return file;
}

}  // namespace

StartupTrace::StartupTrace() : file_(TraceFileFromEnvironment()) {
    if (!Enabled()) return;
    FILETIME created{}, exited{}, kernel{}, user{};
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        createdAt_ = Ticks(created);
    Note("entry");
}

StartupTrace::~StartupTrace() {
    Write();
}

void StartupTrace::Note(const char* step) {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const double milliseconds = static_cast<double>(Ticks(now) - createdAt_) / 10000.0;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    const std::lock_guard lock(mutex_);
    entries_.push_back({step, milliseconds, memory.WorkingSetSize / 1024, memory.PeakWorkingSetSize / 1024});
}

void StartupTrace::Write() {
    if (!Enabled()) return;
    std::vector<Entry> entries;
    {
        const std::lock_guard lock(mutex_);
        entries.swap(entries_);
    }
    if (entries.empty()) return;
    std::string text;
    char line[160];
    for (const Entry& entry : entries) {
        std::snprintf(line, sizeof line, "%9.1f ms %8zu KiB (peak %8zu)  %s\r\n", entry.milliseconds,
                      entry.workingSetKiB, entry.peakKiB, entry.step.c_str());
        text += line;
    }
    const runtime::UniqueHandle out(CreateFileW(file_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid()) return;
    DWORD done = 0;
    WriteFile(out.get(), text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
}

}  // namespace vorn::shell
