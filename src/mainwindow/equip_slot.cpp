#include "mainwindow/equip_slot.h"

#include "mainwindow/control_ids.h"

namespace vorn::mainwindow {

const std::array<EquipSlot, kSlotCount>& EquipSlots() {
    static constexpr std::array<EquipSlot, kSlotCount> kSlots{{
        {0, profile::kSlotWords[0], "clothes", id::kClothesName, id::kClothesButton, "衣服名称"},
        {1, profile::kSlotWords[1], "weapon", id::kWeaponName, id::kWeaponButton, "武器名称"},
        {2, profile::kSlotWords[2], "medal", id::kMedalName, id::kMedalButton, "勋章名称"},
        {3, profile::kSlotWords[3], "necklace", id::kNecklaceName, id::kNecklaceButton, "项链名称"},
        {4, profile::kSlotWords[4], "helmet", id::kHelmetName, id::kHelmetButton, "头盔名称"},
        {5, profile::kSlotWords[5], "bracelet_left", id::kLeftBraceletName, id::kLeftBraceletButton, "左手镯名称"},
        {6, profile::kSlotWords[6], "bracelet_right", id::kRightBraceletName, id::kRightBraceletButton, "右手镯名称"},
        {7, profile::kSlotWords[7], "ring_left", id::kLeftRingName, id::kLeftRingButton, "左戒指名称"},
        {8, profile::kSlotWords[8], "ring_right", id::kRightRingName, id::kRightRingButton, "右戒指名称"},
        {9, profile::kSlotWords[9], "amulet", 0, 0, ""},
        {10, profile::kSlotWords[10], "belt", id::kBeltName, id::kBeltButton, "腰带名称"},
        {11, profile::kSlotWords[11], "shoes", id::kShoesName, id::kShoesButton, "鞋子名称"},
        {12, profile::kSlotWords[12], "gem", id::kGemName, id::kGemButton, "宝石名称"},
        {13, profile::kSlotWords[13], "hat", 0, 0, ""},
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

}  // namespace vorn::mainwindow
