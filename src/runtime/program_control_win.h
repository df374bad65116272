// Ending the program: the registered clean-up routines run, newest first,
// then the process ends.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/system_services.h"

namespace vorn::runtime {

class ProcessControl final : public ProgramControl {
public:
    void AddCleanup(std::function<void()> routine) { cleanups_.push_back(std::move(routine)); }

    [[noreturn]] void EndProgram(int exitCode) override;
    std::string ProgramDirectory() override;

    // Runs and forgets the clean-up routines, newest first.
    void RunCleanups();

private:
    std::vector<std::function<void()>> cleanups_;
};

// Directory of the running program file, UTF-8, without a trailing separator.
std::string ProgramFileDirectory();

}  // namespace vorn::runtime
