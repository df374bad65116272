#include "mainwindow/clock_tick.h"

#include "mainwindow/control_ids.h"
#include "runtime/base/text_number.h"

namespace vorn::mainwindow {

std::string ClockCaption(const runtime::LocalTime& time) {
    return "北京时间：" + runtime::IntegerText(time.hour) + "：" + runtime::IntegerText(time.minute);
}

void ClockTick(runtime::PropertyAccess& properties, runtime::Clock& clock) {
    properties.WriteText(kMainWindowId, id::kClock, runtime::prop::translabel::kCaption,
                         ClockCaption(clock.Now()));
}

}  // namespace vorn::mainwindow
