#include "mainwindow/read_profile.h"

#include "mainwindow/control_ids.h"
#include "mainwindow/equip_slot.h"
#include "runtime/base/text_number.h"

namespace vorn::mainwindow {
namespace {

namespace prop = runtime::prop;
using profile::MonsterProfile;
using profile::ProfileField;
using profile::ProfileReadObserver;

// Combo boxes whose index is the code, with 0 for an index outside the list.
int CodeFromList(runtime::PropertyAccess& properties, runtime::ControlId combo, int itemCount) {
    const std::int64_t index = properties.ReadInteger(kMainWindowId, combo, prop::combo::kSelection);
    return index >= 0 && index < itemCount ? static_cast<int>(index) : 0;
}

// "否"/"是" and "男"/"女" combo boxes: only index 0 means the first choice.
int CodeFromPair(runtime::PropertyAccess& properties, runtime::ControlId combo) {
    return properties.ReadInteger(kMainWindowId, combo, prop::combo::kSelection) == 0 ? 0 : 1;
}

std::string EditText(runtime::PropertyAccess& properties, runtime::ControlId edit) {
    return properties.ReadText(kMainWindowId, edit, prop::edit::kContent);
}

// A rate is kept exactly as typed ("050" stays "050") unless its number is
// above 100; then the edit is corrected to "100" so the window shows what the
// file says.
std::string CappedRate(runtime::PropertyAccess& properties, runtime::ControlId edit) {
    std::string text = EditText(properties, edit);
    if (runtime::TextToNumber(text) - 100.0 > 0.0000001) {
        text = "100";
        properties.WriteText(kMainWindowId, edit, prop::edit::kContent, text);
    }
    return text;
}

std::string SlotItem(runtime::PropertyAccess& properties, const EquipSlot& slot) {
    if (slot.nameBox == 0) return {};
    std::string text = EditText(properties, slot.nameBox);
    if (text == slot.placeholder) return {};
    return text;
}

class NoObserver final : public ProfileReadObserver {
public:
    void FieldRead(ProfileField, int, const MonsterProfile&) override {}
};

}  // namespace

MonsterProfile ReadProfile(runtime::PropertyAccess& properties) {
    NoObserver none;
    return ReadProfile(properties, none);
}

MonsterProfile ReadProfile(runtime::PropertyAccess& properties, ProfileReadObserver& observer) {
    MonsterProfile profile;
    const auto done = [&](ProfileField field, int slot = 0) {
        observer.FieldRead(field, slot, profile);
    };

    profile.job = CodeFromList(properties, id::kJob, 3);
    done(ProfileField::Job);
    profile.gender = CodeFromPair(properties, id::kGender);
    done(ProfileField::Gender);
    profile.hair = CodeFromList(properties, id::kHair, 3);
    done(ProfileField::Hair);
    profile.dropUseItem = CodeFromPair(properties, id::kDrop);
    done(ProfileField::DropUseItem);
    profile.dropUseItemRate = CappedRate(properties, id::kDropRate);
    done(ProfileField::DropUseItemRate);
    profile.butchUseItem = CodeFromPair(properties, id::kButch);
    done(ProfileField::ButchUseItem);
    profile.butchRate = CappedRate(properties, id::kButchRate);
    done(ProfileField::ButchRate);
    profile.butchChargeClass = CodeFromList(properties, id::kChargeClass, 4);
    done(ProfileField::ButchChargeClass);
    profile.butchChargeCount = EditText(properties, id::kChargeCount);
    done(ProfileField::ButchChargeCount);
    profile.useSkillOn = CodeFromPair(properties, id::kSkillOn) == 1;
    if (profile.useSkillOn) profile.useSkill = EditText(properties, id::kSkills);
    done(ProfileField::UseSkill);
    for (const EquipSlot& slot : EquipSlots()) {
        profile.useItems[static_cast<std::size_t>(slot.index)] = SlotItem(properties, slot);
        done(ProfileField::UseItem, slot.index);
    }
    profile.monsterName = EditText(properties, id::kMonsterName);
    done(ProfileField::MonsterName);
    return profile;
}

}  // namespace vorn::mainwindow
