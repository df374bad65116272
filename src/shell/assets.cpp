#include "shell/assets.h"

#include <array>
#include <cstring>
#include <string>

#include "profile/equip_slot.h"

namespace vorn::shell {

// Defined in the source generated from the assets folder.
const std::uint8_t* EmbeddedConstant(const char* fileName);

namespace {

std::string SlotPictureFileName(runtime::PictureId asset) {
    const int offset = asset - kFirstSlotPicture;
    const profile::EquipSlot& slot = profile::EquipSlots()[static_cast<std::size_t>(offset / 2)];
    if (slot.button == 0) return {};
    return "slot_" + std::string(slot.key) + (offset % 2 ? "_hover.jpg" : "_normal.jpg");
}

}  // namespace

std::string_view AssetFileName(runtime::PictureId asset) {
    switch (asset) {
        case kBackgroundJpeg: return "background.jpg";
        case kSaveIconPng: return "save_icon.png";
        case kPictureLinkPng: return "picture_link.png";
        case kTipIconPng: return "tip_icon.png";
        case kClickSoundWav: return "click.wav";
        default: break;
    }
    if (asset < kFirstSlotPicture || asset >= kAssetCount) return {};
    // Built once: the names are handed out as views.
    static const auto kSlotNames = [] {
        std::array<std::string, kAssetCount - kFirstSlotPicture> names;
        for (int i = kFirstSlotPicture; i < kAssetCount; ++i)
            names[static_cast<std::size_t>(i - kFirstSlotPicture)] = SlotPictureFileName(i);
        return names;
    }();
    return kSlotNames[static_cast<std::size_t>(asset - kFirstSlotPicture)];
}

const std::uint8_t* AssetConstant(runtime::PictureId asset) {
    const std::string_view name = AssetFileName(asset);
    if (name.empty()) return nullptr;
    return EmbeddedConstant(std::string(name).c_str());
}

std::span<const std::uint8_t> ConstantBytes(const std::uint8_t* constant) {
    if (constant == nullptr) return {};
    std::uint32_t count = 0;
    for (int i = 3; i >= 0; --i) count = (count << 8) | constant[4 + i];
    return {constant + 8, count};
}

std::span<const std::uint8_t> AssetBytes(runtime::PictureId asset) {
    return ConstantBytes(AssetConstant(asset));
}

}  // namespace vorn::shell
