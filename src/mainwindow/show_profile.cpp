#include "mainwindow/show_profile.h"

#include "mainwindow/control_ids.h"
#include "mainwindow/equip_slot.h"

namespace vorn::mainwindow {
namespace {

namespace prop = runtime::prop;

class ControlWriter {
public:
    ControlWriter(runtime::PropertyAccess& properties, runtime::EventSink& handlers)
        : properties_(properties), handlers_(handlers) {}

    void Select(runtime::ControlId combo, int index) {
        properties_.WriteInteger(kMainWindowId, combo, prop::combo::kSelection, index);
        handlers_.OnEvent({kMainWindowId, combo, runtime::EventKind::SelectionChanged, 0});
    }
    void Type(runtime::ControlId edit, std::string_view text) {
        properties_.WriteText(kMainWindowId, edit, prop::edit::kContent, text);
    }

private:
    runtime::PropertyAccess& properties_;
    runtime::EventSink& handlers_;
};

}  // namespace

void ShowProfile(runtime::PropertyAccess& properties, runtime::EventSink& handlers,
                 const profile::MonsterProfile& monster) {
    ControlWriter window(properties, handlers);
    window.Type(id::kMonsterName, monster.monsterName);
    window.Select(id::kJob, monster.job);
    window.Select(id::kGender, monster.gender);
    window.Select(id::kHair, monster.hair);
    window.Select(id::kDrop, monster.dropUseItem);
    window.Type(id::kDropRate, monster.dropUseItemRate);
    window.Select(id::kButch, monster.butchUseItem);
    window.Type(id::kButchRate, monster.butchRate);
    // The fee's tip names the currency, so the currency goes first.
    window.Select(id::kChargeClass, monster.butchChargeClass);
    window.Type(id::kChargeCount, monster.butchChargeCount);
    // The skill line gets its text before the switch shows or hides it; a
    // monster without skills leaves no skills of an earlier one behind.
    window.Type(id::kSkills, monster.useSkillOn ? monster.useSkill : std::string());
    window.Select(id::kSkillOn, monster.useSkillOn ? 1 : 0);
    for (const EquipSlot& slot : EquipSlots()) {
        if (slot.nameBox == 0) continue;
        const std::string& item = monster.useItems[static_cast<std::size_t>(slot.index)];
        window.Type(slot.nameBox, item.empty() ? slot.placeholder : std::string_view(item));
    }
}

}  // namespace vorn::mainwindow
