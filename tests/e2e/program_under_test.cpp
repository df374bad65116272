#include "e2e/program_under_test.h"

namespace vorn::e2e {
namespace {

std::filesystem::path& Stored() {
    static std::filesystem::path program;
    return program;
}

}  // namespace

const std::filesystem::path& ProgramUnderTest() { return Stored(); }

void SetProgramUnderTest(std::filesystem::path program) { Stored() = std::move(program); }

}  // namespace vorn::e2e
