// The program the end-to-end tests drive: the path given on the driver's
// command line, set once by the driver's entry before any test runs.
#pragma once

#include <filesystem>

namespace vorn::e2e {

const std::filesystem::path& ProgramUnderTest();
void SetProgramUnderTest(std::filesystem::path program);

}  // namespace vorn::e2e
