// The main window's pictures and sound carried inside the program, by number
// (the layout names its pictures by these numbers).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/interfaces/layout.h"

namespace vorn::mainwindow {

enum Asset : runtime::PictureId {
    kBackgroundJpeg,     // 532 x 320, the face of MainWindow
    kSaveIconPng,        // 16 x 16, on the generate button
    kPictureLinkPng,     // 233 x 42, badge and six swirl frames
    kTipIconPng,         // 128 x 128, the tip boxes' magnifier
    kClickSoundWav,      // PCM mono 44.1 kHz 16 bit, played by the slot buttons
    kFirstSlotPicture,   // then per slot index 0..13 with a button: normal, hover
    kAssetCount = kFirstSlotPicture + 2 * 14,
};

// Picture of the slot with this index (0..13), normal or hover.
constexpr runtime::PictureId SlotPicture(int slotIndex, bool hover) {
    return kFirstSlotPicture + 2 * slotIndex + (hover ? 1 : 0);
}

// File name of the asset under assets/, e.g. "background.jpg"; empty for the
// unused slot-picture numbers of the two slots without a button.
std::string_view AssetFileName(runtime::PictureId asset);

// The embedded byte-array constant of an asset, including its 8-byte header,
// or nullptr when the program carries none under that number.
const std::uint8_t* AssetConstant(runtime::PictureId asset);

// The file bytes of an asset; empty when the program carries none.
std::span<const std::uint8_t> AssetBytes(runtime::PictureId asset);

}  // namespace vorn::mainwindow
