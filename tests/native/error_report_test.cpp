#include <gtest/gtest.h>

#include <stdexcept>

#include "runtime/base/error_report.h"

namespace vorn::runtime {
namespace {

TEST(ErrorReport, NamesThePlaceAndWhatWasThrown) {
    try {
        throw std::runtime_error("disk full");
    } catch (...) {
        EXPECT_EQ(CaughtExceptionText("a clean-up routine"),
                  "Vorn: exception caught in a clean-up routine: disk full\n");
    }
    try {
        throw 42;
    } catch (...) {
        EXPECT_EQ(CaughtExceptionText("a window procedure"),
                  "Vorn: exception caught in a window procedure: (not a standard exception)\n");
    }
}

}  // namespace
}  // namespace vorn::runtime
