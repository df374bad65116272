// The skin's platform-free rules: colours, the Windows version code, cursor
// files, the choice of text face and the truncation of rectangles.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <optional>
#include <utility>
#include <vector>

#include "skin/colour.h"
#include "skin/cursor_file.h"
#include "skin/rect_record.h"
#include "skin/ui_font_face.h"
#include "skin/windows_version.h"

namespace vorn::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SkinColour, ChannelOrderContrastAndLightening) {
    EXPECT_EQ(ToArgb(0x7F332211), 0xFF112233u) << "the top byte of a Colour is ignored";
    EXPECT_EQ(ToArgb(0x00332211, 230), 0xE6112233u);
    EXPECT_EQ(FromArgb(0x80112233).colour, 0x00332211u);
    EXPECT_EQ(FromArgb(0x80112233).alpha, 0x80);
    EXPECT_EQ(ContrastTextColour(0x007F807F), 0xFFFFFFu);  // channel sum 382
    EXPECT_EQ(ContrastTextColour(0x007F8080), 0u);         // 383
    EXPECT_EQ(InvertColour(0xAB123456), 0x00EDCBA9u);
    EXPECT_EQ(Lighten(0x000000), 0xBFBFBFu);  // 0 -> 127 -> 191
    EXPECT_EQ(Lighten(0x0000FF, 3), 0xDFDFFFu);
}

TEST(SkinWindowsVersion, CodesKnownReleasesAndZeroForOthers) {
    const int codes[][3] = {{4, 0, 4}, {5, 0, 5}, {5, 1, 6}, {5, 2, 7}, {5, 3, 0}, {6, 0, 8},
                            {6, 1, 9}, {6, 2, 10}, {6, 3, 0}, {10, 0, 0}};
    for (const auto& [major, minor, code] : codes)
        EXPECT_EQ(WindowsVersionCode(major, minor), code) << major << "." << minor;
    EXPECT_EQ(WindowsVersionCode(4, 10, false), 2);
    EXPECT_FALSE(IsWindows7OrLater(6, 0));
    EXPECT_TRUE(IsWindows7OrLater(6, 1));
    EXPECT_TRUE(IsWindows7OrLater(10, 0)) << "code 0, yet later than Windows 7";
}

// A cursor file with one directory entry (32 x 24, hot spot 266, 3) whose
// image is `image`, at `offset` with `size` as given.
Bytes CursorFile(const Bytes& image, std::uint32_t offset, std::uint32_t size,
                 std::uint8_t type = 2, std::uint8_t count = 1) {
    Bytes file = {0, 0, type, 0, count, 0, 32, 24, 0, 0, 0x0A, 0x01, 3, 0};
    for (const std::uint32_t value : {size, offset})
        for (int shift = 0; shift < 32; shift += 8)
            file.push_back(static_cast<std::uint8_t>(value >> shift));
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

TEST(SkinCursorFile, ReadsTheOneImageWithItsSizeAndHotSpot) {
    const Bytes file = CursorFile({1, 2, 3}, 22, 3);
    const std::optional<CursorImage> cursor = ReadCursorFile(file);
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->width, 32);
    EXPECT_EQ(cursor->height, 24);
    EXPECT_EQ(CursorResource(*cursor), (Bytes{0x0A, 0x01, 3, 0, 1, 2, 3}));
    EXPECT_FALSE(ReadCursorFile(CursorFile({1, 2}, 22, 2, 1))) << "an icon";
    EXPECT_FALSE(ReadCursorFile(CursorFile({1, 2}, 22, 2, 2, 2))) << "two images";
    EXPECT_FALSE(ReadCursorFile(CursorFile({}, 0, 1))) << "22 bytes are no cursor file";
}

TEST(SkinCursorFile, AcceptsOnlyAnImageLyingWhollyInsideTheData) {
    const Bytes image(40, 0xAB);  // the file is 62 bytes
    EXPECT_TRUE(ReadCursorFile(CursorFile(image, 22, 40)));
    EXPECT_TRUE(ReadCursorFile(CursorFile(image, 0, 62)));
    EXPECT_FALSE(ReadCursorFile(CursorFile(image, 23, 40))) << "one byte past the end";
    EXPECT_FALSE(ReadCursorFile(CursorFile(image, 22, 63)));
    EXPECT_FALSE(ReadCursorFile(CursorFile(image, 22, 0))) << "an empty image";
    // Offsets and sizes whose sum wraps around to a small number.
    EXPECT_FALSE(ReadCursorFile(CursorFile(image, 0xFFFFFFF0u, 0x20)));
    EXPECT_FALSE(ReadCursorFile(CursorFile(image, 0x20, 0xFFFFFFF0u)));
}

TEST(SkinUiFontFace, FirstPreferredFaceThatCanBeMadeElseTheSystemsFace) {
    std::vector<std::string> tried;
    const auto only = [&tried](std::string_view available) {
        return [&tried, available](std::string_view face) {
            tried.emplace_back(face);
            return face == available;
        };
    };
    const auto system = [] { return std::string("Tahoma"); };
    EXPECT_EQ(ChooseUiFontFace(only("黑体"), system), "黑体");
    EXPECT_EQ(tried, (std::vector<std::string>{"微软雅黑", "黑体"}));
    EXPECT_EQ(ChooseUiFontFace(only("宋体"), system), "宋体");
    EXPECT_EQ(ChooseUiFontFace(only("none"), system), "Tahoma");
}

TEST(SkinRectRecord, FractionsAreCutTowardZero) {
    EXPECT_EQ(MakeRect(1.9, -2.5, 10.99, 0.5), (RectRecord{1, -2, 10, 0}));
}

}  // namespace
}  // namespace vorn::skin
