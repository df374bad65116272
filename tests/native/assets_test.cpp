#include "mainwindow/program_assets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "mainwindow/main_window_layout.h"
#include "mainwindow/equip_slot.h"

namespace vorn {
namespace {

using Bytes = std::span<const std::uint8_t>;
using mainwindow::AssetBytes;
using mainwindow::AssetConstant;
using mainwindow::AssetFileName;

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint32_t Be32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}
int Be16(const std::uint8_t* p) { return p[0] << 8 | p[1]; }

// --- format readers -----------------------------------------------------------

struct JpegInfo {
    bool frameFound = false;
    int frameMarker = 0;     // 0xC0 baseline, 0xC2 progressive, ...
    int precision = 0;
    int width = 0, height = 0, components = 0;
    bool startsWithSoi = false, endsWithEoi = false;
};

// Walks the marker segments up to the first frame header.
JpegInfo ReadJpeg(Bytes b) {
    JpegInfo info;
    if (b.size() < 4) return info;
    info.startsWithSoi = b[0] == 0xFF && b[1] == 0xD8;
    info.endsWithEoi = b[b.size() - 2] == 0xFF && b[b.size() - 1] == 0xD9;
    std::size_t i = 2;
    while (info.startsWithSoi && i + 4 <= b.size() && b[i] == 0xFF) {
        const int marker = b[i + 1];
        if (marker == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        const std::size_t length = static_cast<std::size_t>(Be16(&b[i + 2]));
        if (length < 2 || i + 2 + length > b.size()) break;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                           marker != 0xC8 && marker != 0xCC;
        if (frame && length >= 8) {
            info.frameFound = true;
            info.frameMarker = marker;
            info.precision = b[i + 4];
            info.height = Be16(&b[i + 5]);
            info.width = Be16(&b[i + 7]);
            info.components = b[i + 9];
            break;
        }
        if (marker == 0xDA) break;  // image data before any frame header
        i += 2 + length;
    }
    return info;
}

std::uint32_t Crc32(Bytes data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : data) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

struct PngInfo {
    bool signature = false;
    int width = 0, height = 0, bitDepth = 0, colourType = 0;
    bool chunksIntact = false;  // every CRC matches and IEND ends the bytes exactly
};

PngInfo ReadPng(Bytes b) {
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PngInfo info;
    if (b.size() < 8 + 25) return info;
    info.signature = std::equal(std::begin(kSignature), std::end(kSignature), b.begin());
    if (!info.signature || Be32(&b[8]) != 13 || std::string(&b[12], &b[16]) != "IHDR")
        return info;
    info.width = static_cast<int>(Be32(&b[16]));
    info.height = static_cast<int>(Be32(&b[20]));
    info.bitDepth = b[24];
    info.colourType = b[25];
    std::size_t i = 8;
    while (i + 12 <= b.size()) {
        const std::size_t length = Be32(&b[i]);
        if (i + 12 + length > b.size()) return info;
        if (Crc32(b.subspan(i + 4, length + 4)) != Be32(&b[i + 8 + length])) return info;
        const bool end = std::string(&b[i + 4], &b[i + 8]) == "IEND";
        i += 12 + length;
        if (end) {
            info.chunksIntact = i == b.size();
            return info;
        }
    }
    return info;
}

// --- the readers themselves ---------------------------------------------------

TEST(AssetFormatReaders, JpegFrameHeaderGivesSizeAndKind) {
    // SOI, APP0 stub, progressive frame header (33 rows x 36 columns, 3 components), EOI.
    static constexpr std::uint8_t kProgressive[] = {
        0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x4A, 0x46,
        0xFF, 0xC2, 0x00, 0x11, 0x08, 0x00, 0x21, 0x00, 0x24, 0x03,
        0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xFF, 0xD9};
    const JpegInfo info = ReadJpeg(kProgressive);
    EXPECT_TRUE(info.startsWithSoi);
    EXPECT_TRUE(info.endsWithEoi);
    ASSERT_TRUE(info.frameFound);
    EXPECT_EQ(info.frameMarker, 0xC2);
    EXPECT_EQ(info.width, 36);
    EXPECT_EQ(info.height, 33);
    EXPECT_EQ(info.components, 3);

    // The same header cut short before EOI, and a stream whose scan comes first.
    EXPECT_FALSE(ReadJpeg(Bytes(kProgressive).first(sizeof kProgressive - 1)).endsWithEoi);
    static constexpr std::uint8_t kScanFirst[] = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02,
                                                  0xFF, 0xC0, 0x00, 0x08, 0x08, 0x00};
    EXPECT_FALSE(ReadJpeg(kScanFirst).frameFound);
}

TEST(AssetFormatReaders, PngHeaderAndChunkChecks) {
    // Signature, IHDR 2 x 1 RGBA 8 bit, IEND; CRCs worked out by hand with zlib's crc32.
    static constexpr std::uint8_t kPng[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A,
        0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
        0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00,
        0xF4, 0x22, 0x7F, 0x8A,
        0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    const PngInfo info = ReadPng(kPng);
    EXPECT_TRUE(info.signature);
    EXPECT_EQ(info.width, 2);
    EXPECT_EQ(info.height, 1);
    EXPECT_EQ(info.bitDepth, 8);
    EXPECT_EQ(info.colourType, 6);
    EXPECT_TRUE(info.chunksIntact);

    std::array<std::uint8_t, sizeof kPng> broken{};
    std::copy(std::begin(kPng), std::end(kPng), broken.begin());
    broken[20] = 0x03;  // width changed without fixing the CRC
    EXPECT_FALSE(ReadPng(broken).chunksIntact);
    EXPECT_FALSE(ReadPng(Bytes(kPng).first(sizeof kPng - 1)).chunksIntact);
}

// --- the embedded assets ------------------------------------------------------

// Every asset number the program names, with the file it was made from.
std::vector<runtime::PictureId> NamedAssets() {
    std::vector<runtime::PictureId> out;
    for (int asset = 0; asset < mainwindow::kAssetCount; ++asset)
        if (!AssetFileName(asset).empty()) out.push_back(asset);
    return out;
}

TEST(EmbeddedAssets, EveryNamedAssetIsAOneDimensionalByteArray) {
    const auto assets = NamedAssets();
    EXPECT_EQ(assets.size(), 5u + 2u * mainwindow::kEditableSlotCount);
    for (const runtime::PictureId asset : assets) {
        SCOPED_TRACE(std::string(AssetFileName(asset)));
        const std::uint8_t* constant = AssetConstant(asset);
        ASSERT_NE(constant, nullptr);
        EXPECT_EQ(Le32(constant), 1u);
        const Bytes bytes = AssetBytes(asset);
        EXPECT_EQ(bytes.data(), constant + 8);
        EXPECT_EQ(bytes.size(), Le32(constant + 4));
        EXPECT_GT(bytes.size(), 100u);
    }
}

TEST(EmbeddedAssets, PngPicturesAreRgbaOfTheirSize) {
    struct Expected {
        mainwindow::Asset asset;
        int width, height;
    };
    for (const Expected& e : {Expected{mainwindow::kSaveIconPng, 16, 16},
                              Expected{mainwindow::kPictureLinkPng, 233, 42},
                              Expected{mainwindow::kTipIconPng, 128, 128}}) {
        SCOPED_TRACE(std::string(AssetFileName(e.asset)));
        const PngInfo png = ReadPng(AssetBytes(e.asset));
        EXPECT_TRUE(png.signature);
        EXPECT_EQ(png.width, e.width);
        EXPECT_EQ(png.height, e.height);
        EXPECT_EQ(png.bitDepth, 8);
        EXPECT_EQ(png.colourType, 6);  // truecolour with alpha
        EXPECT_TRUE(png.chunksIntact);  // so the element count is the file's length
    }
}

void ExpectBaselineJpeg(Bytes bytes, int width, int height) {
    const JpegInfo jpeg = ReadJpeg(bytes);
    EXPECT_TRUE(jpeg.startsWithSoi);
    EXPECT_TRUE(jpeg.endsWithEoi);  // the element count ends exactly at the last marker
    ASSERT_TRUE(jpeg.frameFound);
    EXPECT_EQ(jpeg.frameMarker, 0xC0);
    EXPECT_EQ(jpeg.precision, 8);
    EXPECT_EQ(jpeg.components, 3);
    EXPECT_EQ(jpeg.width, width);
    EXPECT_EQ(jpeg.height, height);
}

TEST(EmbeddedAssets, BackgroundIsABaselineJpegOneColumnNarrowerThanTheWindow) {
    const auto& window = mainwindow::MainWindowLayout();
    EXPECT_EQ(window.background, mainwindow::kBackgroundJpeg);
    ExpectBaselineJpeg(AssetBytes(mainwindow::kBackgroundJpeg), 532, 320);
    EXPECT_EQ(window.width - 1, 532);
    EXPECT_EQ(window.height, 320);
}

TEST(EmbeddedAssets, ClickSoundIsShortQuietMonoPcm) {
    // RIFF size 26538, "fmt " 16 bytes: PCM, 1 channel, 44100 Hz, 88200 bytes/s,
    // block 2, 16 bit; "data" 26502 bytes.
    static constexpr std::uint8_t kHeader[44] = {
        'R', 'I', 'F', 'F', 0xAA, 0x67, 0x00, 0x00, 'W', 'A', 'V', 'E',
        'f', 'm', 't', ' ', 0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
        0x44, 0xAC, 0x00, 0x00, 0x88, 0x58, 0x01, 0x00, 0x02, 0x00, 0x10, 0x00,
        'd', 'a', 't', 'a', 0x86, 0x67, 0x00, 0x00};
    const Bytes wav = AssetBytes(mainwindow::kClickSoundWav);
    ASSERT_EQ(wav.size(), 44u + 26502u);
    EXPECT_TRUE(std::equal(std::begin(kHeader), std::end(kHeader), wav.begin()));

    const Bytes samples = wav.subspan(44);
    auto sample = [&](std::size_t i) {
        return static_cast<std::int16_t>(samples[2 * i] | samples[2 * i + 1] << 8);
    };
    const std::size_t count = samples.size() / 2;
    EXPECT_EQ(sample(0), 0);
    EXPECT_EQ(sample(count - 1), 0);
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(int{sample(i)}));
    EXPECT_GT(peak, 32767 / 10);  // audible
    EXPECT_LT(peak, 32767 / 2);   // well below clipping
}

TEST(EmbeddedAssets, SlotsWithoutButtonsCarryNoPictures) {
    for (const int slot : {9, 13}) {
        ASSERT_EQ(mainwindow::EquipSlots()[static_cast<std::size_t>(slot)].button, 0u);
        for (const bool hover : {false, true}) {
            const runtime::PictureId picture = mainwindow::SlotPicture(slot, hover);
            EXPECT_TRUE(AssetFileName(picture).empty()) << slot;
            EXPECT_EQ(AssetConstant(picture), nullptr) << slot;
            EXPECT_TRUE(AssetBytes(picture).empty()) << slot;
        }
    }
    EXPECT_EQ(AssetConstant(mainwindow::kAssetCount), nullptr);
    EXPECT_EQ(AssetConstant(-1), nullptr);
}

TEST(EmbeddedAssets, SlotPicturesAreBaselineJpegsOfTheirButtonsSize) {
    int buttons = 0;
    for (const auto& control : mainwindow::MainWindowLayout().controls) {
        if (control.kind != runtime::ControlKind::SuperBtn) continue;
        ++buttons;
        SCOPED_TRACE(std::string(control.name));
        const Bytes normal = AssetBytes(control.normalPicture);
        const Bytes hover = AssetBytes(control.hoverPicture);
        ExpectBaselineJpeg(normal, control.width, control.height);
        ExpectBaselineJpeg(hover, control.width, control.height);
        // The hover picture is a variant, not a copy.
        EXPECT_FALSE(std::equal(normal.begin(), normal.end(), hover.begin(), hover.end()));
        const mainwindow::EquipSlot* slot = mainwindow::FindSlotByButton(control.id);
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(AssetFileName(control.normalPicture),
                  "slot_" + std::string(slot->key) + "_normal.jpg");
        EXPECT_EQ(AssetFileName(control.hoverPicture),
                  "slot_" + std::string(slot->key) + "_hover.jpg");
    }
    EXPECT_EQ(buttons, mainwindow::kEditableSlotCount);
}

}  // namespace
}  // namespace vorn
