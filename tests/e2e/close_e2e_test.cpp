// Ending the program by closing its window.
#include <gtest/gtest.h>

#include "e2e/app_session.h"
#include "e2e/program_under_test.h"

namespace vorn::e2e {
namespace {

TEST(ProgramExit, ClosingTheMainWindowEndsTheProgramWithCodeZero) {
    auto app = AppSession::Launch(ProgramUnderTest());
    const HWND window = app->MainWindow();
    const auto code = app->CloseAsUser();
    ASSERT_TRUE(code.has_value()) << "the program did not end after its window was closed";
    EXPECT_EQ(*code, 0u);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace vorn::e2e
