// One press of a rate edit's spin buttons. The edit reports the press and
// leaves its text alone; this steps the rate by one within 0 to 100.
#pragma once

#include "mainwindow/field_tips.h"
#include "runtime/interfaces/layout.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// direction: +1 for the up button, -1 for the down button; anything else does
// nothing. Each write of the edit's text runs its content-changed handler.
void SpinStep(runtime::PropertyAccess& properties, runtime::ControlId edit,
              const tips::SpinTexts& texts, int direction);

}  // namespace vorn::mainwindow
