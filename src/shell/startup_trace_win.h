// Elapsed-time marks of the program's start-up steps, for finding where the
// time before the first show goes. Off unless the environment variable
// VORN_STARTUP_TRACE names a file; then every mark is the time since the
// process was created with the working set at that moment, and Write appends
// them to that file.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace vorn::shell {

class StartupTrace {
public:
    StartupTrace();
    StartupTrace(const StartupTrace&) = delete;
    StartupTrace& operator=(const StartupTrace&) = delete;
    // Writes what was not written yet.
    ~StartupTrace();

    bool Enabled() const { return !file_.empty(); }

    // Notes that `step` has just finished; any thread. Costs nothing when off.
    void Mark(const char* step) {
        if (Enabled()) Note(step);
    }

    // Appends the marks noted so far to the file, once the measured part is over.
    void Write();

private:
    struct Entry {
        std::string step;
        double milliseconds;
        std::size_t workingSetKiB;
        std::size_t peakKiB;
    };
    void Note(const char* step);

    std::wstring file_;
    // 100-ns ticks of the process's creation, on the system clock.
    long long createdAt_ = 0;
    std::mutex mutex_;
    std::vector<Entry> entries_;
};

}  // namespace vorn::shell
