// e2e_driver.exe <path to VornMonsterTool.exe> [gtest options]
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "e2e/program_under_test.h"

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fputs("usage: e2e_driver <path to the program> [gtest options]\n", stderr);
        return 2;
    }
    const std::filesystem::path program = std::filesystem::absolute(argv[1]);
    if (!std::filesystem::is_regular_file(program)) {
        std::fprintf(stderr, "no program at %ls\n", program.c_str());
        return 2;
    }
    vorn::e2e::SetProgramUnderTest(program);
    return RUN_ALL_TESTS();
}
