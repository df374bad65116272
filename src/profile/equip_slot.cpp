#include "profile/equip_slot.h"

#include "mainwindow/control_ids.h"

namespace vorn::profile {

namespace id = mainwindow::id;

const std::array<EquipSlot, kSlotCount>& EquipSlots() {
    static constexpr std::array<EquipSlot, kSlotCount> kSlots{{
        {0, "衣服", "clothes", id::kClothesName, id::kClothesButton, "衣服名称"},
        {1, "武器", "weapon", id::kWeaponName, id::kWeaponButton, "武器名称"},
        {2, "勋章", "medal", id::kMedalName, id::kMedalButton, "勋章名称"},
        {3, "项链", "necklace", id::kNecklaceName, id::kNecklaceButton, "项链名称"},
        {4, "头盔", "helmet", id::kHelmetName, id::kHelmetButton, "头盔名称"},
        {5, "左手镯", "bracelet_left", id::kLeftBraceletName, id::kLeftBraceletButton, "左手镯名称"},
        {6, "右手镯", "bracelet_right", id::kRightBraceletName, id::kRightBraceletButton, "右手镯名称"},
        {7, "左戒指", "ring_left", id::kLeftRingName, id::kLeftRingButton, "左戒指名称"},
        {8, "右戒指", "ring_right", id::kRightRingName, id::kRightRingButton, "右戒指名称"},
        {9, "护身符", "amulet", 0, 0, ""},
        {10, "腰带", "belt", id::kBeltName, id::kBeltButton, "腰带名称"},
        {11, "鞋子", "shoes", id::kShoesName, id::kShoesButton, "鞋子名称"},
        {12, "宝石", "gem", id::kGemName, id::kGemButton, "宝石名称"},
        {13, "斗笠", "hat", 0, 0, ""},
    }};
    return kSlots;
}

const EquipSlot* FindSlotByNameBox(runtime::ControlId id) {
    if (id == 0) return nullptr;
    for (const EquipSlot& slot : EquipSlots())
        if (slot.nameBox == id) return &slot;
    return nullptr;
}

const EquipSlot* FindSlotByButton(runtime::ControlId id) {
    if (id == 0) return nullptr;
    for (const EquipSlot& slot : EquipSlots())
        if (slot.button == id) return &slot;
    return nullptr;
}

}  // namespace vorn::profile
