#include "mainwindow/date_time_text.h"

#include "runtime/base/text_number.h"

namespace vorn::mainwindow {

std::string DateTimeText(const runtime::LocalTime& time) {
    using runtime::IntegerText;
    std::string text = IntegerText(time.year) + "年" + IntegerText(time.month) + "月" +
                       IntegerText(time.day) + "日";
    // The second decides first: a non-zero second shows hour and minute even
    // when they are 0 ("0时0分5秒").
    if (time.second != 0)
        text += IntegerText(time.hour) + "时" + IntegerText(time.minute) + "分" +
                IntegerText(time.second) + "秒";
    else if (time.minute != 0)
        text += IntegerText(time.hour) + "时" + IntegerText(time.minute) + "分";
    else if (time.hour != 0)
        text += IntegerText(time.hour) + "时";
    return text;
}

}  // namespace vorn::mainwindow
