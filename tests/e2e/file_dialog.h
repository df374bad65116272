// The system's file dialog of the program under test, answered as a user
// does: the path typed into its name field, then Enter.
#pragma once

#include <filesystem>

#include <gtest/gtest.h>

#include "e2e/app_session.h"

namespace vorn::e2e {

// Waits for the dialog and for its name field to have the keyboard (typing
// into a dialog still coming up loses the keys), then types `path`.
testing::AssertionResult AnswerFileDialog(AppSession& app, const std::filesystem::path& path);

}  // namespace vorn::e2e
