// The one-line tip at the bottom of the main window. Every field handler
// reports the user's choice here; a tip stays until the next one replaces it.
#pragma once

#include <string_view>

#include "mainwindow/control_ids.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

inline void WriteTip(runtime::PropertyAccess& properties, std::string_view tip) {
    properties.WriteText(kMainWindowId, id::kTipLine, runtime::prop::label::kCaption, tip);
}

}  // namespace vorn::mainwindow
