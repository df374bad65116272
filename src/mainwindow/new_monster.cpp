#include "mainwindow/new_monster.h"

#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/tip_line.h"

namespace vorn::mainwindow {

void ShowStartUpState(runtime::PropertyAccess& properties) {
    namespace prop = runtime::prop;
    using runtime::ControlKind;
    const runtime::WindowLayout& layout = MainWindowLayout();
    for (const runtime::ControlLayout& control : layout.controls) {
        if (control.kind != ControlKind::EditBox && control.kind != ControlKind::ComboBox) continue;
        properties.WriteBool(kMainWindowId, control.id, prop::kVisible, control.visible);
        properties.WriteBool(kMainWindowId, control.id, prop::kDisabled, !control.enabled);
        if (control.kind == ControlKind::ComboBox) {
            properties.WriteInteger(kMainWindowId, control.id, prop::combo::kSelection,
                                    control.selection);
            continue;
        }
        if (control.backColour != runtime::kDefaultColour)
            properties.WriteInteger(kMainWindowId, control.id, prop::edit::kBackColour,
                                    control.backColour);
        properties.WriteText(kMainWindowId, control.id, prop::edit::kContent, control.text);
    }
    if (const runtime::ControlLayout* tip = runtime::FindControl(layout, id::kTipLine))
        WriteTip(properties, tip->text);
}

}  // namespace vorn::mainwindow
