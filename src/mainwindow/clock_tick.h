// The clock in the bottom-right corner, refreshed on every tick of 时钟1.
#pragma once

#include <string>

#include "runtime/interfaces/property_access.h"
#include "runtime/interfaces/system_services.h"

namespace vorn::mainwindow {

// "北京时间：9：5" for 09:05: no leading zeros, a full-width colon between
// hour and minute.
std::string ClockCaption(const runtime::LocalTime& time);

// Writes the caption for the current local time into the clock label.
void ClockTick(runtime::PropertyAccess& properties, runtime::Clock& clock);

}  // namespace vorn::mainwindow
