// Someone else's change to a monster file is never overwritten unasked: the
// window remembers what it opened or wrote, and a generation that finds
// something else on disk asks first (go back, open the disk's file, or
// overwrite with the disk's version kept in the history).
#include <gtest/gtest.h>

#include "native/forwarding_store.h"
#include "native/handler_fixture.h"
#include "native/monster_files_fixture.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;

constexpr runtime::BoxAnswer kGoBack = runtime::PackAnswer(1, false);
constexpr runtime::BoxAnswer kOpenFromDisk = runtime::PackAnswer(2, false);
constexpr runtime::BoxAnswer kOverwrite = runtime::PackAnswer(3, false);

class ChangedOnDisk : public HandlerTest {
protected:
    ChangedOnDisk() { program.directory = root.Utf8(); }

    // 骷髅's file with this charge, as another program would write it.
    static std::string FileWithCharge(const std::string& charge) {
        profile::MonsterProfile monster;
        monster.monsterName = "骷髅";
        monster.butchChargeCount = charge;
        return *runtime::Utf8ToGbk(profile::MonsterHeaderLine("骷髅") + profile::MonsterBody(monster));
    }
    fs::path File() const { return Child(root.path(), "骷髅.txt"); }
    std::string OnDisk() const { return ReadBytes(File()).value_or("<none>"); }
    std::vector<std::string> History() const {
        std::vector<std::string> names;
        const fs::path folder = Child(Child(root.path(), "history"), "骷髅");
        if (fs::exists(folder))
            for (const auto& entry : fs::directory_iterator(folder))
                names.push_back(entry.path().filename().string());
        return names;
    }

    ScratchDirectory root;
};

TEST_F(ChangedOnDisk, AnotherProgramsChangeIsOnlyOverwrittenWhenTheUserSaysSo) {
    WriteBytes(File(), FileWithCharge("1"));
    controller.OpenMonsterFile(root.Utf8() + files.Separator() + "骷髅.txt");
    window.Type(id::kChargeCount, "5");
    WriteBytes(File(), FileWithCharge("2"));  // someone else saves meanwhile

    boxes.requests.clear();
    boxes.answers = {kGoBack};
    controller.GenerateItemClicked();
    ASSERT_EQ(boxes.requests.size(), 1u);
    const runtime::BoxRequest& question = boxes.requests[0];
    EXPECT_EQ(question.title, "文件已被改动");
    EXPECT_EQ(question.captions, (std::vector<std::string>{"返回", "重新打开", "覆盖"}));
    EXPECT_EQ(question.defaultButton, 1);
    EXPECT_NE(question.message.find(File().string()), std::string::npos) << question.message;
    EXPECT_NE(question.message.find("改动时间：20"), std::string::npos) << question.message;
    EXPECT_EQ(OnDisk(), FileWithCharge("2"));
    EXPECT_TRUE(History().empty());
    EXPECT_TRUE(controller.HasChanges());

    boxes.answers = {kOpenFromDisk};
    controller.GenerateItemClicked();
    EXPECT_EQ(window.Text(id::kChargeCount), "2");
    EXPECT_FALSE(controller.HasChanges());
    EXPECT_EQ(OnDisk(), FileWithCharge("2"));

    window.Type(id::kChargeCount, "7");
    WriteBytes(File(), FileWithCharge("3"));
    boxes.requests.clear();
    boxes.answers = {kOverwrite};
    controller.GenerateItemClicked();
    EXPECT_EQ(boxes.requests.back().title, "生成提示：");
    EXPECT_EQ(OnDisk(), FileWithCharge("7"));
    EXPECT_EQ(History(), std::vector<std::string>{"20261208-090500.txt"});
    EXPECT_EQ(ReadBytes(Child(Child(Child(root.path(), "history"), "骷髅"), "20261208-090500.txt")),
              FileWithCharge("3"));

    // What the window wrote itself is no one else's change.
    window.Type(id::kChargeCount, "8");
    boxes.requests.clear();
    controller.GenerateItemClicked();
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].title, "生成提示：");
    EXPECT_EQ(OnDisk(), FileWithCharge("8"));
    EXPECT_EQ(History().size(), 2u);
}

// A store on which another copy of the program writes the monster file
// while this one's question is open: each time this one takes the write lock
// again after planning (the first time plans; the lock is let go while a box
// shows), the first `times` times.
class RacingStore final : public ForwardingStore {
public:
    RacingStore(profile::FileStore& next, fs::path file, std::string bytes, int times)
        : ForwardingStore(next), file_(std::move(file)), bytes_(std::move(bytes)), times_(times) {}
    profile::WriteLocking LockForWriting(const std::string& path) override {
        if (locks_++ > 0 && times_-- > 0) WriteBytes(file_, bytes_ + std::to_string(times_));
        return ForwardingStore::LockForWriting(path);
    }

private:
    fs::path file_;
    std::string bytes_;
    int times_;
    int locks_ = 0;
};

class WriteRace : public GenerateFixture {
protected:
    WriteRace() { Name("骷髅"); }
    // The window last saw the file holding "[Info]\r\n"; it now holds more.
    void GenerateWith(profile::FileStore& store) {
        WriteBytes(OutputPath("骷髅.txt"), "[Info]\r\nJob=2\r\n");
        const profile::SeenMonsterFiles seen{
            {program.Utf8() + "/MonUseItems" + files.Separator() + "骷髅.txt",
             {profile::FileContent::Status::Read, "[Info]\r\n", {}}},
            {}};
        mainwindow::GenerateMonsterFiles(window, store, boxes, FakeWindow::kHandle,
                                         mainwindow::DefaultOutputFolder(program.Utf8(), '/'),
                                         "20261208-090500", nullptr, &seen);
    }
};

TEST_F(WriteRace, AFileWrittenWhileTheQuestionIsOpenIsNeverOverwrittenUnasked) {
    RacingStore once(files, OutputPath("骷髅.txt"), "[Info]\r\nJob=3\r\n", 1);
    boxes.answers = {kOverwrite, kGoBack};
    GenerateWith(once);
    ASSERT_EQ(boxes.requests.size(), 2u);
    EXPECT_EQ(boxes.requests[0].title, "文件已被改动");
    EXPECT_EQ(boxes.requests[1].title, "文件已被改动");
    EXPECT_EQ(Output("骷髅.txt"), "[Info]\r\nJob=3\r\n0");

    // A writer that never stops: the plan is made again a few times, then given up.
    boxes.requests.clear();
    RacingStore always(files, OutputPath("骷髅.txt"), "[Info]\r\n", 100);
    boxes.answers.assign(10, kOverwrite);
    GenerateWith(always);
    EXPECT_EQ(boxes.requests.back().title, "生成失败：");
    EXPECT_NE(boxes.requests.back().message.find("反复改写"), std::string::npos);
    EXPECT_EQ(Output("骷髅.txt")->substr(0, 8), "[Info]\r\n");
}

}  // namespace
}  // namespace vorn::testing
