// One run of the program shared by every test of a suite, for suites whose
// tests leave the window usable for the next one. Each suite gets its own run:
//
//   class FieldTips : public SharedSession<FieldTips> { ... };
//
// A suite that needs more preparation overrides SetUp and calls this one first.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "e2e/app_session.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"

namespace vorn::e2e {

template <typename Suite>
class SharedSession : public testing::Test {
public:
    static void SetUpTestSuite() { app_ = AppSession::Launch(ProgramUnderTest()); }
    static void TearDownTestSuite() {
        if (app_) app_->CloseAsUser();
        app_.reset();
    }

protected:
    void SetUp() override {
        ASSERT_TRUE(app_) << "the program did not start";
        ASSERT_TRUE(app_->IsRunning()) << "the program ended during an earlier test";
        ASSERT_TRUE(BringToFront(app_->MainWindow()));
    }

    static inline std::unique_ptr<AppSession> app_;
};

}  // namespace vorn::e2e
