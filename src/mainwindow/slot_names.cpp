#include "mainwindow/slot_names.h"

#include "mainwindow/control_ids.h"
#include "mainwindow/tip_boxes.h"
#include "mainwindow/program_assets.h"

namespace vorn::mainwindow {

namespace prop = runtime::prop;

void UnlockSlotName(runtime::PropertyAccess& properties, runtime::ControlCommands& commands,
                    runtime::SoundPlayer& sound, runtime::ControlId nameBox) {
    sound.PlayOnce(mainwindow::AssetBytes(mainwindow::kClickSoundWav));
    properties.WriteBool(kMainWindowId, nameBox, prop::kDisabled, false);
    commands.SetFocus(kMainWindowId, nameBox);
    properties.WriteInteger(kMainWindowId, nameBox, prop::edit::kSelectedLength, -1);
}

runtime::BoxAnswer ConfirmSlotName(runtime::PropertyAccess& properties,
                          runtime::ControlCommands& commands, runtime::BoxService& boxes,
                          runtime::ControlId nameBox) {
    // Disabling a focused box takes its focus; its focus-lost handler then
    // only disables it again.
    LockSlotName(properties, nameBox);
    return ShowTipBox(boxes, commands.HandleOf(kMainWindowId), "友情提示：", "部位名称修改成功！",
                      mainwindow::AssetBytes(mainwindow::kTipIconPng), {"返回", "确定"}, "不再提示");
}

void LockSlotName(runtime::PropertyAccess& properties, runtime::ControlId nameBox) {
    properties.WriteBool(kMainWindowId, nameBox, prop::kDisabled, true);
}

}  // namespace vorn::mainwindow
