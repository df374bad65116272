#include "mainwindow/skill_line.h"

#include "mainwindow/control_ids.h"
#include "mainwindow/field_tips.h"
#include "mainwindow/tip_line.h"

namespace vorn::mainwindow {
namespace {

namespace prop = runtime::prop;

constexpr runtime::Rgb kActiveBackground = 0xFFFFFF;
constexpr runtime::Rgb kInactiveBackground = 0xC0C0C0;
constexpr int kEnterKey = 13;

}  // namespace

void OnSkillsSwitched(runtime::PropertyAccess& properties, int selectionIndex) {
    if (selectionIndex == 0) {
        properties.WriteBool(kMainWindowId, id::kSkills, prop::kDisabled, true);
        properties.WriteBool(kMainWindowId, id::kSkills, prop::kVisible, false);
        properties.WriteInteger(kMainWindowId, id::kSkills, prop::edit::kBackColour,
                                kInactiveBackground);
        WriteTip(properties, tips::SkillsOff());
    } else {
        properties.WriteBool(kMainWindowId, id::kSkills, prop::kDisabled, false);
        properties.WriteInteger(kMainWindowId, id::kSkills, prop::edit::kBackColour,
                                kActiveBackground);
        properties.WriteBool(kMainWindowId, id::kSkills, prop::kVisible, true);
        WriteTip(properties, tips::SkillsOn());
    }
}

void OnSkillLineKey(runtime::PropertyAccess& properties, int keyCode) {
    if (keyCode == kEnterKey)
        properties.WriteBool(kMainWindowId, id::kSkills, prop::kVisible, false);
}

}  // namespace vorn::mainwindow
