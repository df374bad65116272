// The committed skin files against the table the skin loads them by: a
// picture of another size or without alpha, or a cursor with another hot
// spot, would still load and then be drawn or point wrongly.
#include "skin/skin_assets.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

fs::path AssetDir() {
    // tests/native/<this file> -> the repository's assets/
    return fs::path(__FILE__).parent_path().parent_path().parent_path() / "assets";
}

Bytes ReadAsset(std::string_view embeddedName) {
    std::ifstream in(AssetDir() / std::string(embeddedName), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int BigEndian32(const Bytes& b, std::size_t at) {
    return static_cast<int>((std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
                            (std::uint32_t{b[at + 2]} << 8) | b[at + 3]);
}

int Little16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

std::size_t Little32(const Bytes& b, std::size_t at) {
    return std::size_t{b[at]} | (std::size_t{b[at + 1]} << 8) | (std::size_t{b[at + 2]} << 16) |
           (std::size_t{b[at + 3]} << 24);
}

std::vector<vorn::skin::SkinPicture> ListedPictures() {
    std::vector<vorn::skin::SkinPicture> pictures(vorn::skin::kSkinImages.begin(),
                                                  vorn::skin::kSkinImages.end());
    for (const auto& picture : vorn::skin::kControlImages) {
        if (!picture.file.empty()) pictures.push_back(picture);
    }
    return pictures;
}

TEST(SkinAssets, PicturesAreRgbaPngsOfTheListedSize) {
    for (const auto& picture : ListedPictures()) {
        SCOPED_TRACE(std::string(picture.file));
        const Bytes png = ReadAsset(picture.file);
        ASSERT_GE(png.size(), 33u);
        EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
        EXPECT_EQ(BigEndian32(png, 16), picture.width);
        EXPECT_EQ(BigEndian32(png, 20), picture.height);
        EXPECT_EQ(png[24], 8);  // bits per channel
        EXPECT_EQ(png[25], 6);  // colour type: RGBA
    }
}

TEST(SkinAssets, CursorsHoldOne32PixelImageWithTheListedHotSpot) {
    for (const auto& cursor : vorn::skin::kSkinCursors) {
        SCOPED_TRACE(std::string(cursor.file));
        const Bytes cur = ReadAsset(cursor.file);
        ASSERT_GT(cur.size(), 22u);
        EXPECT_EQ(Little16(cur, 0), 0);
        EXPECT_EQ(Little16(cur, 2), 2);  // cursor, not icon
        EXPECT_EQ(Little16(cur, 4), 1);  // one image
        EXPECT_EQ(cur[6], vorn::skin::kCursorSize);
        EXPECT_EQ(cur[7], vorn::skin::kCursorSize);
        EXPECT_EQ(Little16(cur, 10), cursor.hotX);
        EXPECT_EQ(Little16(cur, 12), cursor.hotY);
        // The loader hands exactly image size bytes from the offset on.
        const std::size_t size = Little32(cur, 14);
        const std::size_t offset = Little32(cur, 18);
        ASSERT_EQ(offset + size, cur.size());
        ASSERT_GE(size, 16u);
        EXPECT_EQ(Little32(cur, offset + 4), 32u);   // width
        EXPECT_EQ(Little32(cur, offset + 8), 64u);   // colour rows, then mask rows
        EXPECT_EQ(Little16(cur, offset + 14), 32);  // bits per pixel
    }
}

// The build embeds every picture and cursor in the folder: a stray file would
// be carried for nothing, a missing one would leave its slot empty.
TEST(SkinAssets, FolderHoldsExactlyTheListedFiles) {
    std::set<std::string> listed;
    for (const auto& picture : ListedPictures()) listed.emplace(picture.file);
    for (const auto& cursor : vorn::skin::kSkinCursors) listed.emplace(cursor.file);

    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(AssetDir() / "skin")) {
        present.insert("skin/" + entry.path().filename().string());
    }
    EXPECT_EQ(present, listed);
}

}  // namespace
