// The generate button runs the file writer on the program's own directory and
// the box it shows belongs to the main window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "native/handler_fixture.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;

class GenerateHandler : public HandlerTest {
protected:
    GenerateHandler() {
        std::random_device random;
        directory_ = fs::temp_directory_path() /
                     ("vorn-generate-handler-" + std::to_string(random()));
        fs::create_directories(directory_);
        program.directory = directory_.string();
    }
    ~GenerateHandler() override {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }

    fs::path Output(const std::string& fileName) const {
        return directory_ / "MonUseItems" / fileName;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path directory_;
};

TEST_F(GenerateHandler, ClickWritesIntoMonUseItemsBesideTheProgram) {
    fs::create_directory(directory_ / "MonUseItems");
    window.Type(id::kMonsterName, "Guard");
    window.Select(id::kJob, 2);
    window.Select(id::kButch, 1);

    controller.GenerateItemClicked();

    const std::string monster = Read(Output("Guard.txt"));
    EXPECT_NE(monster.find("\r\nJob=2\r\n"), std::string::npos) << monster;
    EXPECT_TRUE(fs::exists(Output("Guard-Item.txt")));
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].title, "生成提示：");
    EXPECT_EQ(boxes.requests[0].owner, FakeWindow::kHandle);
}

TEST_F(GenerateHandler, WithoutMonUseItemsNothingIsWrittenAndNoSuccessIsClaimed) {
    window.Type(id::kMonsterName, "Guard");
    controller.GenerateItemClicked();

    EXPECT_FALSE(fs::exists(directory_ / "MonUseItems"));
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].title, "生成提示：");
    EXPECT_EQ(boxes.requests[0].owner, FakeWindow::kHandle);
}

}  // namespace
}  // namespace vorn::testing
