#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/controls/picture_win.h"
#include "mainwindow/program_assets.h"
#include "test_pictures.h"

namespace vorn::runtime {
namespace {

using testing::BuildRgbaPng;
using testing::Bytes;

// Pixel (x, y) of a decoded picture as B, G, R, A.
std::array<int, 4> PixelAt(HBITMAP bitmap, int x, int y) {
    DIBSECTION section{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    const auto* row = static_cast<const std::uint8_t*>(section.dsBm.bmBits) + y * section.dsBm.bmWidthBytes;
    const std::uint8_t* pixel = row + x * 4;
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

const std::uint8_t kBlueJpeg8x4[] = {  // 8 x 4, every pixel #2040C0
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01,
    0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43,
    0x00, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02, 0x01, 0x01, 0x01, 0x02,
    0x02, 0x02, 0x02, 0x02, 0x04, 0x03, 0x02, 0x02, 0x02, 0x02, 0x05, 0x04,
    0x04, 0x03, 0x04, 0x06, 0x05, 0x06, 0x06, 0x06, 0x05, 0x06, 0x06, 0x06,
    0x07, 0x09, 0x08, 0x06, 0x07, 0x09, 0x07, 0x06, 0x06, 0x08, 0x0b, 0x08,
    0x09, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x06, 0x08, 0x0b, 0x0c, 0x0b, 0x0a,
    0x0c, 0x09, 0x0a, 0x0a, 0x0a, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x02, 0x02,
    0x02, 0x02, 0x02, 0x02, 0x05, 0x03, 0x03, 0x05, 0x0a, 0x07, 0x06, 0x07,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0xff, 0xc0, 0x00, 0x11, 0x08, 0x00, 0x04, 0x00, 0x08, 0x03,
    0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xff, 0xc4, 0x00,
    0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0xff, 0xc4, 0x00, 0x14, 0x10,
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xc4, 0x00, 0x15, 0x01, 0x01, 0x01,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x07, 0x09, 0xff, 0xc4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0xff, 0xda, 0x00, 0x0c, 0x03, 0x01, 0x00, 0x02, 0x11, 0x03,
    0x11, 0x00, 0x3f, 0x00, 0x09, 0xa8, 0xa0, 0x5d, 0xff, 0xd9
};

TEST(DecodePicture, PngKeepsSizeAndPremultipliesAlpha) {
    const Bytes png = BuildRgbaPng(3, 2, {
        255, 0, 0, 255,    0, 255, 0, 255,   0, 0, 255, 128,
        255, 255, 255, 0,  10, 20, 30, 255,  200, 100, 50, 255,
    });
    const UniqueBitmap bitmap = DecodePicture(png);
    ASSERT_TRUE(bitmap);
    const SIZE size = BitmapSize(bitmap.get());
    EXPECT_EQ(size.cx, 3);
    EXPECT_EQ(size.cy, 2);

    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(bitmap.get(), sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 32);

    EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), (std::array<int, 4>{0, 0, 255, 255}));
    EXPECT_EQ(PixelAt(bitmap.get(), 1, 0), (std::array<int, 4>{0, 255, 0, 255}));
    const auto halfBlue = PixelAt(bitmap.get(), 2, 0);
    EXPECT_NEAR(halfBlue[0], 128, 1);
    EXPECT_EQ(halfBlue[3], 128);
    EXPECT_EQ(PixelAt(bitmap.get(), 0, 1), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(PixelAt(bitmap.get(), 1, 1), (std::array<int, 4>{30, 20, 10, 255}));
    EXPECT_EQ(PixelAt(bitmap.get(), 2, 1), (std::array<int, 4>{50, 100, 200, 255}));
}

TEST(DecodePicture, LargePictureKeepsEveryPixelInPlace) {
    // As large as the window's background, so the image data spans many blocks.
    const UniqueBitmap bitmap = DecodePicture(testing::BuildOpaquePng(
        532, 320, [](int x, int y) { return static_cast<std::uint32_t>((x & 0xFF) << 16 | y << 8 | (x >> 8)); }));
    ASSERT_TRUE(bitmap);
    const SIZE size = BitmapSize(bitmap.get());
    EXPECT_EQ(size.cx, 532);
    EXPECT_EQ(size.cy, 320);
    EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), (std::array<int, 4>{0, 0, 0, 255}));
    EXPECT_EQ(PixelAt(bitmap.get(), 300, 200), (std::array<int, 4>{1, 200, 300 & 0xFF, 255}));
    EXPECT_EQ(PixelAt(bitmap.get(), 531, 319), (std::array<int, 4>{2, 319 & 0xFF, 531 & 0xFF, 255}));
}

TEST(DecodePicture, JpegIsOpaque) {
    const UniqueBitmap bitmap = DecodePicture(kBlueJpeg8x4);
    ASSERT_TRUE(bitmap);
    const SIZE size = BitmapSize(bitmap.get());
    EXPECT_EQ(size.cx, 8);
    EXPECT_EQ(size.cy, 4);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{7, 3}, std::pair{4, 1}}) {
        const auto pixel = PixelAt(bitmap.get(), x, y);
        EXPECT_NEAR(pixel[0], 0xC0, 6);
        EXPECT_NEAR(pixel[1], 0x40, 6);
        EXPECT_NEAR(pixel[2], 0x20, 6);
        EXPECT_EQ(pixel[3], 255);
    }
}

TEST(DecodePicture, EveryEmbeddedPictureDecodesToItsSize) {
    struct Expected {
        PictureId asset;
        LONG width, height;
    };
    std::vector<Expected> pictures = {{mainwindow::kBackgroundJpeg, 532, 320},
                                      {mainwindow::kSaveIconPng, 16, 16},
                                      {mainwindow::kPictureLinkPng, 233, 42},
                                      {mainwindow::kTipIconPng, 128, 128}};
    for (int slot = 0; slot < 14; ++slot)
        for (bool hover : {false, true})
            if (!mainwindow::AssetFileName(mainwindow::SlotPicture(slot, hover)).empty())
                pictures.push_back({mainwindow::SlotPicture(slot, hover), 36, 33});
    EXPECT_EQ(pictures.size(), 4u + 24u) << "twelve slot buttons, two pictures each";
    for (const Expected& picture : pictures) {
        SCOPED_TRACE(std::string(mainwindow::AssetFileName(picture.asset)));
        const UniqueBitmap bitmap = DecodePicture(mainwindow::AssetBytes(picture.asset));
        ASSERT_TRUE(bitmap);
        const SIZE size = BitmapSize(bitmap.get());
        EXPECT_EQ(size.cx, picture.width);
        EXPECT_EQ(size.cy, picture.height);
    }
}

TEST(DecodePicture, UnreadableBytesGiveNoBitmap) {
    EXPECT_FALSE(DecodePicture({}));
    const std::uint8_t garbage[] = {0x13, 0x37, 0x00, 0xFF, 'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
    EXPECT_FALSE(DecodePicture(garbage));
    // A PNG cut off inside its image data.
    Bytes png = BuildRgbaPng(2, 2, Bytes(16, 0x80));
    png.resize(40);
    EXPECT_FALSE(DecodePicture(png));
}

TEST(BitmapSize, NoBitmapIsEmpty) {
    const SIZE size = BitmapSize(nullptr);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
}

}  // namespace
}  // namespace vorn::runtime
