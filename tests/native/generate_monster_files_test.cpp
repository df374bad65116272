// What the generate command does around the bytes: the boxes it shows, and
// that every failure leaves the directory exactly as it was.
#include "mainwindow/generate_monster_files.h"

#include <gtest/gtest.h>

#include "mainwindow/control_ids.h"
#include "native/forwarding_store.h"
#include "native/monster_files_fixture.h"
#include "mainwindow/program_assets.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;

// ;骷髅爆率文件 CR LF
const std::string kDefaultDropFile = ";\xF7\xBC\xF7\xC3\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n";
// The same line and a dig-list line "木剑 1/10" an administrator added.
const std::string kDigList = kDefaultDropFile + "\xC4\xBE\xBD\xA3 1/10\r\n";
const std::string kOldMonsterFile = ";old\r\nJob=1\r\n";

// Fails every replacement of a path that ends with `suffix`, as a full disk would.
class DiskFullFor final : public ForwardingStore {
public:
    DiskFullFor(profile::FileStore& next, std::string suffix)
        : ForwardingStore(next), suffix_(std::move(suffix)) {}
    std::optional<std::string> ReplaceContent(const std::string& path, std::string_view bytes) override {
        if (path.ends_with(suffix_)) return std::string("磁盘已满");
        return ForwardingStore::ReplaceContent(path, bytes);
    }
    std::optional<std::string> CreateContent(const std::string& path, std::string_view bytes) override {
        if (path.ends_with(suffix_)) return std::string("磁盘已满");
        return ForwardingStore::CreateContent(path, bytes);
    }

private:
    std::string suffix_;
};

// Keeps only the first `limit` bytes of whatever is written into the hidden
// buffer, like an edit control with a text limit.
class ShortBuffer final : public runtime::PropertyAccess {
public:
    ShortBuffer(runtime::PropertyAccess& next, std::size_t limit) : next_(next), limit_(limit) {}
    std::int64_t ReadInteger(runtime::WindowId w, runtime::ControlId c, int p) override {
        return next_.ReadInteger(w, c, p);
    }
    void WriteInteger(runtime::WindowId w, runtime::ControlId c, int p, std::int64_t v) override {
        next_.WriteInteger(w, c, p, v);
    }
    std::string ReadText(runtime::WindowId w, runtime::ControlId c, int p) override {
        return next_.ReadText(w, c, p);
    }
    void WriteText(runtime::WindowId w, runtime::ControlId c, int p, std::string_view t) override {
        next_.WriteText(w, c, p, c == id::kTextBuffer ? t.substr(0, limit_) : t);
    }

private:
    runtime::PropertyAccess& next_;
    std::size_t limit_;
};

// Counts the replacements that reach the disk.
class CountingStore final : public ForwardingStore {
public:
    using ForwardingStore::ForwardingStore;
    std::optional<std::string> ReplaceContent(const std::string& path, std::string_view bytes) override {
        replaced.push_back(path.substr(path.find_last_of(Separator()) + 1));
        return ForwardingStore::ReplaceContent(path, bytes);
    }
    std::optional<std::string> CreateContent(const std::string& path, std::string_view bytes) override {
        replaced.push_back(path.substr(path.find_last_of(Separator()) + 1));
        return ForwardingStore::CreateContent(path, bytes);
    }
    std::optional<std::string> WriteNewFile(const std::string& path, std::string_view bytes) override {
        replaced.push_back(path.substr(path.find_last_of(Separator()) + 1));
        return ForwardingStore::WriteNewFile(path, bytes);
    }
    std::vector<std::string> replaced;  // file names, in order
};

class GenerateMonsterFilesTest : public GenerateFixture {
protected:
    GenerateMonsterFilesTest() { Name("骷髅"); }

    // Checks that one failure box and nothing else was shown, and returns its text.
    std::string OnlyFailureMessage() {
        EXPECT_EQ(boxes.requests.size(), 1u);
        if (boxes.requests.empty()) return {};
        const runtime::BoxRequest& box = boxes.requests.back();
        EXPECT_EQ(box.title, "生成失败：");
        EXPECT_EQ(box.owner, FakeWindow::kHandle);
        EXPECT_EQ(box.icon, runtime::icon::kExclamation);
        EXPECT_EQ(box.captions, std::vector<std::string>{"确定"});
        EXPECT_FALSE(box.showOption);
        EXPECT_EQ(box.message.find("文件生成成功"), std::string::npos);
        return box.message;
    }

    std::string Path(std::string_view fileName) {
        return program.Utf8() + files.Separator() + "MonUseItems" + files.Separator() + std::string(fileName);
    }
};

TEST_F(GenerateMonsterFilesTest, SuccessShowsTheGenerateTipBox) {
    Generate();
    ASSERT_EQ(boxes.requests.size(), 1u);
    const runtime::BoxRequest& box = boxes.requests[0];
    EXPECT_EQ(box.owner, FakeWindow::kHandle);
    EXPECT_EQ(box.title, "生成提示：");
    EXPECT_EQ(box.message, "文件生成成功！\r\n\r\n请查看 MonUseItems 目录下！");
    EXPECT_EQ(box.captions, (std::vector<std::string>{"返回", "确定"}));
    EXPECT_TRUE(box.showOption);
    EXPECT_EQ(box.optionText, "不再提示");
    EXPECT_TRUE(box.centreHorizontally && box.centreVertically && box.tinted && box.slowAnimation);
    EXPECT_EQ(box.defaultButton, 0);
    // The tip picture is handed over as the bytes of the embedded tip icon.
    ASSERT_EQ(boxes.pictureSizes.size(), 1u);
    EXPECT_EQ(boxes.pictureSizes[0], mainwindow::AssetBytes(mainwindow::kTipIconPng).size());
}

TEST_F(GenerateMonsterFilesTest, BufferIsEmptyAfterDiggingAndHoldsTheBodyOtherwise) {
    Generate();
    EXPECT_TRUE(window.Text(id::kTextBuffer).starts_with("[Info]\r\n;职业：战士\r\n"));
    EXPECT_TRUE(window.Text(id::kTextBuffer).ends_with(";斗笠\r\nUseItems13=\r\n"));
    Select(id::kButch, 1);
    Generate();
    EXPECT_EQ(window.Text(id::kTextBuffer), "");
}

TEST_F(GenerateMonsterFilesTest, MissingDirectoryIsMadeOnlyWhenTheUserAgrees) {
    fs::remove(monUseItems);
    Select(id::kButch, 1);
    Generate();  // the question is closed: nothing made
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].captions, (std::vector<std::string>{"取消", "建立并生成"}));
    EXPECT_NE(boxes.requests[0].message.find(program.Utf8() + files.Separator() + "MonUseItems"),
              std::string::npos);
    EXPECT_TRUE(Snapshot(program.path()).empty());

    boxes.answers = {runtime::PackAnswer(2, false)};
    Generate();
    EXPECT_EQ(LastBoxTitle(), "生成提示：");
    EXPECT_TRUE(Output("骷髅.txt"));
    EXPECT_EQ(Output("骷髅-Item.txt"), kDefaultDropFile);
}

TEST_F(GenerateMonsterFilesTest, ReadOnlyMonsterFileIsReportedAndKept) {
    WriteBytes(OutputPath("骷髅.txt"), kOldMonsterFile);
    MakeReadOnly(OutputPath("骷髅.txt"));
    const auto before = Snapshot(program.path());
    Generate();
    const std::string message = OnlyFailureMessage();
    EXPECT_NE(message.find(Path("骷髅.txt")), std::string::npos) << message;
    EXPECT_NE(message.find("只读"), std::string::npos) << message;
    EXPECT_EQ(Snapshot(program.path()), before);
}

TEST_F(GenerateMonsterFilesTest, ReadOnlyDropFileStopsBothFilesBeforeAnyWrite) {
    WriteBytes(OutputPath("骷髅.txt"), kOldMonsterFile);
    WriteBytes(OutputPath("骷髅-Item.txt"), kDefaultDropFile);
    MakeReadOnly(OutputPath("骷髅-Item.txt"));
    Select(id::kButch, 1);
    const auto before = Snapshot(program.path());
    Generate();
    const std::string message = OnlyFailureMessage();
    EXPECT_NE(message.find(Path("骷髅-Item.txt")), std::string::npos) << message;
    EXPECT_EQ(Snapshot(program.path()), before);
}

TEST_F(GenerateMonsterFilesTest, FolderInTheWayOfTheMonsterFileIsReported) {
    fs::create_directory(OutputPath("骷髅.txt"));
    const auto before = Snapshot(program.path());
    Generate();
    EXPECT_NE(OnlyFailureMessage().find("文件夹"), std::string::npos);
    EXPECT_EQ(Snapshot(program.path()), before);
}

TEST_F(GenerateMonsterFilesTest, UnsafeNamesWriteNothingAnywhere) {
    WriteBytes(OutputPath("骷髅.txt"), kOldMonsterFile);
    WriteBytes(program.path() / "escape.txt", "keep");
    const std::pair<const char*, const char*> names[] = {
        {"../escape", "分隔符"}, {"..\\escape", "分隔符"}, {"a/b", "分隔符"},
        {"..", "点"},            {"a:b", "“:”"},          {"C:", "“:”"},
        {"a<b", "“<”"},          {"a>b", "“>”"},          {"a\"b", "“\"”"},
        {"a|b", "“|”"},          {"a?b", "“?”"},          {"a*b", "“*”"},
        {"a\tb", "控制字符"},    {"骷髅.", "结尾"},       {"骷髅 ", "结尾"},
        {"CON", "设备名"},       {"nul.x", "设备名"},     {"com1", "设备名"},
        {"LPT9.txt", "设备名"},  {"aux .a", "设备名"},
    };
    Select(id::kButch, 1);
    const auto before = Snapshot(program.path());
    for (const auto& [name, reason] : names) {
        SCOPED_TRACE(name);
        boxes.requests.clear();
        Name(name);
        Generate();
        const std::string message = OnlyFailureMessage();
        EXPECT_NE(message.find("怪物名称不能用作文件名"), std::string::npos) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        EXPECT_EQ(Snapshot(program.path()), before);
    }
}

TEST_F(GenerateMonsterFilesTest, FieldGbkCannotHoldWritesNothingAndNamesTheField) {
    WriteBytes(OutputPath("骷髅.txt"), kOldMonsterFile);
    const auto before = Snapshot(program.path());
    struct Case {
        runtime::ControlId control;
        const char* text;
        const char* field;
        const char* character;
    };
    const Case cases[] = {
        {id::kMonsterName, "骷髅\xF0\x9F\x98\x80", "怪物名称", "\xF0\x9F\x98\x80"},
        {id::kSkills, "烈火剑法,\xED\x95\x9C", "技能", "\xED\x95\x9C"},
        {id::kGemName, "\xF0\x9F\x92\x8E", "宝石", "\xF0\x9F\x92\x8E"},
        {id::kLeftRingName, "戒\xE2\x80\xA2", "左戒指", "\xE2\x80\xA2"},
        {id::kChargeCount, "5\xC2\xA5", "挖取费用", "\xC2\xA5"},
        {id::kButchRate, "\xF0\x9F\x98\x80", "挖取几率", "\xF0\x9F\x98\x80"},
        {id::kDropRate, "9\xF0\x9F\x98\x80", "掉落几率", "\xF0\x9F\x98\x80"},
    };
    Select(id::kSkillOn, 1);
    Select(id::kButch, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const std::string original = window.Text(c.control);
        boxes.requests.clear();
        Type(c.control, c.text);
        Generate();
        const std::string message = OnlyFailureMessage();
        EXPECT_NE(message.find(std::string("“") + c.field + "”"), std::string::npos) << message;
        EXPECT_NE(message.find(c.character), std::string::npos) << message;
        EXPECT_NE(message.find("GBK"), std::string::npos) << message;
        EXPECT_EQ(Snapshot(program.path()), before);
        Type(c.control, original);
    }
    // The same controls with GBK text go through.
    boxes.requests.clear();
    Type(id::kGemName, "屠龙\xE2\x82\xAC");  // the euro sign has a code in GBK
    Generate();
    EXPECT_EQ(LastBoxTitle(), "生成提示：");
}

TEST_F(GenerateMonsterFilesTest, DigListOfTheAdministratorIsKept) {
    WriteBytes(OutputPath("骷髅-Item.txt"), kDigList);
    Select(id::kButch, 1);
    Generate();
    EXPECT_EQ(Output("骷髅-Item.txt"), kDigList);
    ASSERT_TRUE(Output("骷髅.txt"));
    EXPECT_NE(Output("骷髅.txt")->find("ButchUseItem=1\r\n"), std::string::npos);
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(LastBoxTitle(), "生成提示：");
    EXPECT_EQ(LastBoxMessage(),
              "文件生成成功！\r\n\r\n请查看 MonUseItems 目录下！\r\n"
              "掉落文件已存在，保留原有挖取列表：骷髅-Item.txt");
}

TEST_F(GenerateMonsterFilesTest, DropFileIsRewrittenOnlyWhenItHoldsNothingOfTheAdministrator) {
    Select(id::kButch, 1);
    const std::pair<std::string, std::string> cases[] = {
        {kDefaultDropFile, kDefaultDropFile},                   // our own line: rewritten, same bytes
        {"", kDefaultDropFile},                                  // empty: gets the line
        {";\xC6\xE4\xCB\xFB\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n",  // ;其他爆率文件: someone else's line
         ";\xC6\xE4\xCB\xFB\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n"},
        {";\xF7\xBC\xF7\xC3\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE", // the line without CR LF: kept
         ";\xF7\xBC\xF7\xC3\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE"},
        {kDefaultDropFile + kDefaultDropFile, kDefaultDropFile + kDefaultDropFile},
    };
    for (const auto& [existing, after] : cases) {
        SCOPED_TRACE(existing);
        WriteBytes(OutputPath("骷髅-Item.txt"), existing);
        boxes.requests.clear();
        Generate();
        EXPECT_EQ(Output("骷髅-Item.txt"), after);
        const bool kept = existing != kDefaultDropFile && !existing.empty();
        EXPECT_EQ(LastBoxMessage().find("保留原有挖取列表") != std::string::npos, kept);
    }
}

TEST_F(GenerateMonsterFilesTest, DiggingOffLeavesAnExistingDropFileAlone) {
    WriteBytes(OutputPath("骷髅-Item.txt"), kDefaultDropFile);
    Generate();
    EXPECT_EQ(Output("骷髅-Item.txt"), kDefaultDropFile);
    EXPECT_EQ(LastBoxMessage(), "文件生成成功！\r\n\r\n请查看 MonUseItems 目录下！");
}

TEST_F(GenerateMonsterFilesTest, UnreadableDropFileStopsBeforeAnyWrite) {
    fs::create_directory(OutputPath("骷髅-Item.txt"));
    Select(id::kButch, 1);
    const auto before = Snapshot(program.path());
    Generate();
    const std::string message = OnlyFailureMessage();
    EXPECT_NE(message.find("无法读取已有的掉落文件"), std::string::npos) << message;
    EXPECT_EQ(Snapshot(program.path()), before);
}

TEST_F(GenerateMonsterFilesTest, FullDiskOnTheMonsterFileChangesNothing) {
    WriteBytes(OutputPath("骷髅.txt"), kOldMonsterFile);
    DiskFullFor store(files, "骷髅.txt");
    Select(id::kButch, 1);
    const auto before = Snapshot(program.path());
    Generate(store);
    const std::string message = OnlyFailureMessage();
    EXPECT_NE(message.find("磁盘已满"), std::string::npos) << message;
    EXPECT_NE(message.find(Path("骷髅.txt")), std::string::npos) << message;
    // No history version of a write that did not happen (its folder may stay).
    auto after = Snapshot(program.path());
    std::erase_if(after, [](const auto& entry) { return entry.first.starts_with("MonUseItems/history/"); });
    EXPECT_EQ(after, before);
}

// Another copy of the program holds the folder's write lock too long.
class StuckLock final : public ForwardingStore {
public:
    using ForwardingStore::ForwardingStore;
    profile::WriteLocking LockForWriting(const std::string&) override {
        ++asked;
        return {nullptr, "另一个程序正在写入这个文件，请稍后再试"};
    }
    int asked = 0;
};

TEST_F(GenerateMonsterFilesTest, ALockThatCannotBeHadWritesNothingAndIsWaitedForOnce) {
    StuckLock store(files);
    const auto before = Snapshot(program.path());
    Generate(store);
    EXPECT_NE(OnlyFailureMessage().find("另一个程序正在写入"), std::string::npos);
    EXPECT_EQ(Snapshot(program.path()), before);
    EXPECT_EQ(store.asked, 1);
}

TEST_F(GenerateMonsterFilesTest, FullDiskOnTheDropFileSaysTheMonsterFileWasWritten) {
    WriteBytes(OutputPath("骷髅-Item.txt"), "");
    DiskFullFor store(files, std::string("MonUseItems") + files.Separator() + "骷髅-Item.txt");
    Select(id::kButch, 1);
    Generate(store);
    const std::string message = OnlyFailureMessage();
    EXPECT_NE(message.find("怪物文件已生成"), std::string::npos) << message;
    EXPECT_NE(message.find(Path("骷髅-Item.txt")), std::string::npos) << message;
    EXPECT_NE(message.find("磁盘已满"), std::string::npos) << message;
    EXPECT_TRUE(Output("骷髅.txt"));
    EXPECT_EQ(Output("骷髅-Item.txt"), "");
}

TEST_F(GenerateMonsterFilesTest, FilesAlreadyHoldingTheirBytesAreNotRewritten) {
    CountingStore store(files);
    Select(id::kButch, 1);
    Generate(store);
    EXPECT_EQ(store.replaced, (std::vector<std::string>{"骷髅.txt", "骷髅-Item.txt"}));

    store.replaced.clear();
    Generate(store);
    EXPECT_TRUE(store.replaced.empty());
    EXPECT_EQ(LastBoxTitle(), "生成提示：");

    store.replaced.clear();
    Select(id::kJob, 1);
    Generate(store);  // the old file goes to the history first
    EXPECT_EQ(store.replaced, (std::vector<std::string>{"20240501-160000.txt", "骷髅.txt"}));
    EXPECT_NE(Output("骷髅.txt")->find("Job=1\r\n"), std::string::npos);
    EXPECT_EQ(Output("骷髅-Item.txt"), kDefaultDropFile);
}

TEST_F(GenerateMonsterFilesTest, ReadOnlyFileIsReportedEvenWhenItsBytesWouldNotChange) {
    Generate();
    MakeReadOnly(OutputPath("骷髅.txt"));
    boxes.requests.clear();
    Generate();
    EXPECT_NE(OnlyFailureMessage().find("只读"), std::string::npos);
}

TEST_F(GenerateMonsterFilesTest, ABufferThatLostTextWritesNothing) {
    ShortBuffer shortBuffer(window, 300);
    mainwindow::GenerateMonsterFiles(shortBuffer, files, boxes, FakeWindow::kHandle,
                                     mainwindow::DefaultOutputFolder(program.Utf8(), files.Separator()),
                                     "20240501-160000");
    EXPECT_NE(OnlyFailureMessage().find("缓冲区"), std::string::npos);
    EXPECT_TRUE(Snapshot(monUseItems).empty());
}

}  // namespace
}  // namespace vorn::testing
