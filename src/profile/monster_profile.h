// Everything the user sets for one humanoid monster, read from the controls of
// the main window at the moment the files are generated. The window is the
// only store of these values; the program keeps no copy between generations.
#pragma once

#include <array>
#include <string>

#include "profile/slot_words.h"

namespace vorn::profile {

struct MonsterProfile {
    int job = 0;        // 0 warrior, 1 wizard, 2 taoist
    int gender = 0;     // 0 male, 1 female
    int hair = 2;       // 0, 1 or 2
    int dropUseItem = 0;
    std::string dropUseItemRate = "0";  // as typed, capped at "100"
    int butchUseItem = 0;
    std::string butchRate = "0";        // as typed, capped at "100"
    int butchChargeClass = 0;           // 0 gold, 1 ingot, 2 diamond, 3 talisman
    std::string butchChargeCount = "0"; // as typed
    bool useSkillOn = false;
    std::string useSkill;               // empty while useSkillOn is off
    std::array<std::string, kSlotCount> useItems;  // empty: nothing worn
    std::string monsterName;

    bool operator==(const MonsterProfile&) const = default;
};

// The fields in the order they are read. UseSkill covers the on/off choice and
// the skill list; UseItem comes once per slot, 0 to 13.
enum class ProfileField {
    Job,
    Gender,
    Hair,
    DropUseItem,
    DropUseItemRate,
    ButchUseItem,
    ButchRate,
    ButchChargeClass,
    ButchChargeCount,
    UseSkill,
    UseItem,
    MonsterName,
};

// Told about each field right after it has been read, so a caller can act
// between two reads (the text builder appends that field's piece).
class ProfileReadObserver {
public:
    virtual ~ProfileReadObserver() = default;
    virtual void FieldRead(ProfileField field, int slot, const MonsterProfile& soFar) = 0;
};

}  // namespace vorn::profile
