#include "mainwindow/spin_step.h"

#include <cstdint>
#include <string>

#include "mainwindow/control_ids.h"
#include "mainwindow/tip_line.h"
#include "mainwindow/truncated_number.h"
#include "runtime/base/text_number.h"

namespace vorn::mainwindow {

namespace prop = runtime::prop;

void SpinStep(runtime::PropertyAccess& properties, runtime::ControlId edit,
              const tips::SpinTexts& texts, int direction) {
    const std::string text = properties.ReadText(kMainWindowId, edit, prop::edit::kContent);
    const double value = runtime::TextToNumber(text);
    const std::int32_t whole = TruncatedNumber<std::int32_t>(value);

    if (direction == 1 && whole <= 99) {
        properties.WriteText(kMainWindowId, edit, prop::edit::kContent,
                             runtime::NumberToText(value + 1));
        WriteTip(properties, texts.up);
        // Rewriting the text runs the edit's own handler again, so the tip line
        // ends on the current value rather than on the step text. A negative
        // rate is pulled up to the lowest valid one instead.
        if (whole >= 0) {
            const std::string current =
                properties.ReadText(kMainWindowId, edit, prop::edit::kContent);
            properties.WriteText(kMainWindowId, edit, prop::edit::kContent, current);
        } else {
            properties.WriteText(kMainWindowId, edit, prop::edit::kContent, "0");
        }
    } else if (direction == -1 && whole >= 1) {
        properties.WriteText(kMainWindowId, edit, prop::edit::kContent,
                             runtime::NumberToText(value - 1));
        WriteTip(properties, texts.down);
    }
}

}  // namespace vorn::mainwindow
