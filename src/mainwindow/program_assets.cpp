#include "mainwindow/program_assets.h"

#include <array>
#include <string>

#include "mainwindow/equip_slot.h"
#include "runtime/base/embedded_files.h"

namespace vorn::mainwindow {

namespace {

std::string SlotPictureFileName(runtime::PictureId asset) {
    const int offset = asset - kFirstSlotPicture;
    const mainwindow::EquipSlot& slot = mainwindow::EquipSlots()[static_cast<std::size_t>(offset / 2)];
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
    return runtime::EmbeddedConstant(name);
}

std::span<const std::uint8_t> AssetBytes(runtime::PictureId asset) {
    return runtime::ConstantBytes(AssetConstant(asset));
}

}  // namespace vorn::mainwindow
