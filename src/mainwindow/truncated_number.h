// Whole part of a number read from a text field. The fields hold whatever the
// user typed, so the value may be far outside any integer range or not finite.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace vorn::mainwindow {

// Truncates toward zero into the range of Int, saturating at its ends; NaN gives 0.
template <typename Int>
Int TruncatedNumber(double value) {
    if (std::isnan(value)) return 0;
    const double whole = std::trunc(value);
    constexpr Int kMin = std::numeric_limits<Int>::min();
    constexpr Int kMax = std::numeric_limits<Int>::max();
    // kMax may not be exact as a double; compare against the next power of two.
    if (whole <= static_cast<double>(kMin)) return kMin;
    if (whole >= -static_cast<double>(kMin)) return kMax;
    return static_cast<Int>(whole);
}

}  // namespace vorn::mainwindow
