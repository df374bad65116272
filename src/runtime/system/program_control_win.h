// Ending the program: the message loop ends, the registered clean-up
// routines run, newest first, and the program returns its exit code.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/interfaces/system_services.h"

namespace vorn::runtime {

class ProcessControl final : public ProgramControl {
public:
    void AddCleanup(std::function<void()> routine) { cleanups_.push_back(std::move(routine)); }

    // Ends the message loop with `exitCode`; the caller of the loop runs the
    // clean-ups and returns the code.
    void EndProgram(int exitCode) override;
    std::string ProgramDirectory() override;

    // Runs and forgets the clean-up routines, newest first.
    void RunCleanups();

private:
    std::vector<std::function<void()>> cleanups_;
};

// Directory of the running program file, UTF-8, without a trailing separator.
std::string ProgramFileDirectory();

}  // namespace vorn::runtime
