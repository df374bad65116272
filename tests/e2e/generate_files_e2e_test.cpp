// Generating the monster file and the drop-rate file from the real window:
// fields set with the mouse and the keyboard, the generate button clicked,
// the box answered, and the files compared byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/app_session.h"
#include "e2e/box_probe.h"
#include "e2e/drawn_items.h"
#include "e2e/expected_gbk.h"
#include "e2e/field_input.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;

using Lines = std::vector<std::string_view>;

constexpr std::string_view kSuccessTitle = "生成提示：";
constexpr std::string_view kSuccessText = "文件生成成功！\r\n\r\n请查看 MonUseItems 目录下！";
constexpr std::string_view kFailureTitle = "生成失败：";

// The file bytes: each line in GBK followed by CR LF.
std::string FileBytes(const Lines& lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append("\r\n");
    return ExpectedGbk(text);
}

// The monster file of the window's initial controls, named 赤月恶魔.
const Lines kInitialMonster = {
    ";;==============人型怪物 赤月恶魔 配制文件=======================",
    "[Info]",
    ";职业：战士",
    "Job=0",
    ";性别：男",
    "Gender=0",
    ";发型",
    "Hair=2",
    ";是否掉装备，1=掉，0=不掉",
    "DropUseItem=0",
    ";装备掉落几率%",
    "DropUseItemRate=0",
    ";是否允许挖取身上装备 1=是，0=否",
    "ButchUseItem=0",
    ";挖取身上装备机率0为百分百，数字越大，机率越小(无论是否成功，都将会收取费用)",
    "ButchRate=0",
    ";挖取身上装备收费模式(0金币，1元宝，2金刚石，3灵符)",
    "ButchChargeClass=0",
    ";挖取身上装备每次收费点数",
    "ButchChargeCount=0",
    ";使用魔法(2种技能之间用逗号隔开，例如：烈火剑法,半月弯刀,刺杀剑术)",
    "UseSkill=",
    "[UseItems]",
    ";衣服",
    "UseItems0=",
    ";武器",
    "UseItems1=",
    ";勋章",
    "UseItems2=",
    ";项链",
    "UseItems3=",
    ";头盔",
    "UseItems4=",
    ";左手镯",
    "UseItems5=",
    ";右手镯",
    "UseItems6=",
    ";左戒指",
    "UseItems7=",
    ";右戒指",
    "UseItems8=",
    ";护身符",
    "UseItems9=",
    ";腰带",
    "UseItems10=",
    ";鞋子",
    "UseItems11=",
    ";宝石",
    "UseItems12=",
    ";斗笠",
    "UseItems13=",
};

// Every file under `root` (relative path -> its bytes; the size for the
// program itself), to show that a refused generation neither wrote nor
// created anything.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    constexpr std::uintmax_t kSmallFile = 64 * 1024;
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = runtime::Narrow(fs::relative(entry.path(), root).wstring());
        if (!entry.is_regular_file())
            files[relative] = "<directory>";
        else if (entry.file_size() > kSmallFile)
            files[relative] = "<" + std::to_string(entry.file_size()) + " bytes>";
        else
            files[relative] = ReadBytes(entry.path()).value_or("<unreadable>");
    }
    return files;
}

fs::path OutputFile(const AppSession& app, std::wstring_view name) {
    return app.OutputDirectory() / std::wstring(name);
}

// A fresh program run, with the helpers every generation test needs.
class Generate : public testing::Test {
protected:
    void SetUp() override {
        app_ = AppSession::Launch(ProgramUnderTest());
        ASSERT_TRUE(BringToFront(app_->MainWindow()));
    }

    HWND Control(std::uint32_t controlId) const {
        const HWND control = app_->Control(controlId);
        EXPECT_NE(control, nullptr) << "no control " << std::hex << controlId;
        return control;
    }

    void Pick(std::uint32_t comboId, int index) {
        ASSERT_TRUE(PickComboItem(*app_, Control(comboId), index));
    }

    void Retype(std::uint32_t editId, std::wstring_view text) {
        ASSERT_TRUE(RetypeEdit(*app_, Control(editId), text));
    }

    void SlotName(std::uint32_t buttonId, std::uint32_t boxId, std::wstring_view name) {
        ASSERT_TRUE(TypeSlotName(*app_, Control(buttonId), Control(boxId), name));
    }

    // Clicks the generate button and waits for the box it opens.
    std::optional<OpenBox> ClickGenerate() {
        BringToFront(app_->MainWindow());
        app_->UserMouse().ClickAt(DrawnItemPoint(app_->MainWindow(), id::kGenerate));
        return OpenBox::Await(*app_);
    }

    // Generates, expects the success box and answers it with "确定".
    void GenerateExpectingSuccess(std::string_view extraLine = {}) {
        auto box = ClickGenerate();
        ASSERT_TRUE(box) << "no box after clicking the generate button";
        EXPECT_EQ(box->Title(), kSuccessTitle) << box->Describe();
        std::string text(kSuccessText);
        if (!extraLine.empty()) text.append("\r\n").append(extraLine);
        EXPECT_EQ(box->Message(), text);
        EXPECT_EQ(box->CaptionsRightToLeft(), (std::vector<std::string>{"返回", "确定"}));
        EXPECT_TRUE(WaitUntil([&] {
            return box->HasFocusOn(kBoxCloseCaption);
        })) << "no default button: the close button has the focus";
        EXPECT_TRUE(box->HasOption());
        ASSERT_TRUE(box->Press("确定"));
        ASSERT_TRUE(box->AwaitClosed());
    }

    // Generates, expects the error box and answers it; returns its message.
    std::string GenerateExpectingFailure() {
        auto box = ClickGenerate();
        if (!box) {
            ADD_FAILURE() << "no box after clicking the generate button";
            return {};
        }
        EXPECT_EQ(box->Title(), kFailureTitle) << box->Describe();
        EXPECT_EQ(box->Message().find("文件生成成功"), std::string::npos)
            << "a refused generation must not claim success: " << box->Describe();
        const std::string message = box->Message();
        EXPECT_TRUE(box->Press("确定")) << box->Describe();
        EXPECT_TRUE(box->AwaitClosed());
        return message;
    }

    void ExpectFile(std::wstring_view name, const std::string& expected) {
        const auto bytes = ReadBytes(OutputFile(*app_, name));
        ASSERT_TRUE(bytes) << runtime::Narrow(name) << " was not written";
        EXPECT_EQ(*bytes, expected) << "in " << runtime::Narrow(name);
    }

    std::unique_ptr<AppSession> app_;
};

TEST_F(Generate, InitialControlsWithANameWriteTheMonsterFileOnly) {
    Retype(id::kMonsterName, L"赤月恶魔");
    GenerateExpectingSuccess();
    ExpectFile(L"赤月恶魔.txt", FileBytes(kInitialMonster));
    EXPECT_FALSE(fs::exists(OutputFile(*app_, L"赤月恶魔-Item.txt")))
        << "digging is off, so no drop-rate file";
    EXPECT_EQ(Snapshot(app_->OutputDirectory()).size(), 1u) << "no temporary file is left behind";
}

TEST_F(Generate, EveryFieldSetByHandReachesTheFilesAndAnOverLargeDropRateIsCapped) {
    Pick(id::kJob, 2);           // 道士
    Pick(id::kGender, 1);        // 女
    Pick(id::kHair, 0);
    Pick(id::kDrop, 1);          // 是
    Retype(id::kDropRate, L"150");
    Pick(id::kButch, 1);         // 是
    Retype(id::kButchRate, L"30");
    Pick(id::kChargeClass, 3);   // 灵符
    Retype(id::kChargeCount, L"88");
    Pick(id::kSkillOn, 1);       // 是
    Retype(id::kSkills, L"烈火剑法,半月弯刀");
    SlotName(id::kClothesButton, id::kClothesName, L"天魔神甲");
    SlotName(id::kWeaponButton, id::kWeaponName, L"屠龙");
    SlotName(id::kHelmetButton, id::kHelmetName, L"圣战头盔");
    // Unlocked and emptied, then left: an empty item like the placeholder.
    SlotName(id::kGemButton, id::kGemName, L"");
    // Unlocked and left showing its placeholder: no item either.
    ASSERT_TRUE(UnlockSlot(*app_, Control(id::kMedalButton), Control(id::kMedalName)));
    Retype(id::kMonsterName, L"赤月恶魔");
    ASSERT_EQ(TextOf(Control(id::kDropRate)), "150") << "leaving the edit keeps 150";

    GenerateExpectingSuccess();

    ExpectFile(L"赤月恶魔.txt",
               FileBytes({
                   ";;==============人型怪物 赤月恶魔 配制文件=======================",
                   "[Info]",
                   ";职业：道士",
                   "Job=2",
                   ";性别：女",
                   "Gender=1",
                   ";发型",
                   "Hair=0",
                   ";是否掉装备，1=掉，0=不掉",
                   "DropUseItem=1",
                   ";装备掉落几率%",
                   "DropUseItemRate=100",
                   ";是否允许挖取身上装备 1=是，0=否",
                   "ButchUseItem=1",
                   ";挖取身上装备机率0为百分百，数字越大，机率越小(无论是否成功，都将会收取费用)",
                   "ButchRate=30",
                   ";挖取身上装备收费模式(0金币，1元宝，2金刚石，3灵符)",
                   "ButchChargeClass=3",
                   ";挖取身上装备每次收费点数",
                   "ButchChargeCount=88",
                   ";使用魔法(2种技能之间用逗号隔开，例如：烈火剑法,半月弯刀,刺杀剑术)",
                   "UseSkill=烈火剑法,半月弯刀",
                   "[UseItems]",
                   ";衣服",
                   "UseItems0=天魔神甲",
                   ";武器",
                   "UseItems1=屠龙",
                   ";勋章",
                   "UseItems2=",
                   ";项链",
                   "UseItems3=",
                   ";头盔",
                   "UseItems4=圣战头盔",
                   ";左手镯",
                   "UseItems5=",
                   ";右手镯",
                   "UseItems6=",
                   ";左戒指",
                   "UseItems7=",
                   ";右戒指",
                   "UseItems8=",
                   ";护身符",
                   "UseItems9=",
                   ";腰带",
                   "UseItems10=",
                   ";鞋子",
                   "UseItems11=",
                   ";宝石",
                   "UseItems12=",
                   ";斗笠",
                   "UseItems13=",
               }));
    // Digging is on: the drop-rate file is its one comment line.
    ExpectFile(L"赤月恶魔-Item.txt", "\x3B\xB3\xE0\xD4\xC2\xB6\xF1\xC4\xA7\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n");
    EXPECT_EQ(TextOf(Control(id::kDropRate)), "100") << "the capped rate is written back";
    EXPECT_EQ(TipLine(*app_), "友情提示：当前人形怪身上装备掉落概率为： 100%")
        << "writing 100 back runs the drop-rate edit's tip";
}

TEST_F(Generate, GeneratingTwiceKeepsOneHeaderAndTheShorterLatestContent) {
    ASSERT_TRUE(StepComboDownWithKeyboard(*app_, Control(id::kChargeClass)));  // 元宝
    Retype(id::kDropRate, L"150");
    Retype(id::kButchRate, L"150");
    Pick(id::kSkillOn, 1);
    Retype(id::kSkills, L"烈火剑法,半月弯刀,刺杀剑术");
    SlotName(id::kLeftRingButton, id::kLeftRingName, L"天魔神甲天魔神甲");
    SlotName(id::kShoesButton, id::kShoesName, L"圣战头盔圣战头盔");
    Retype(id::kMonsterName, L"赤月恶魔");
    GenerateExpectingSuccess();

    Lines longer = kInitialMonster;
    longer[11] = "DropUseItemRate=100";
    longer[15] = "ButchRate=100";
    longer[17] = "ButchChargeClass=1";
    longer[21] = "UseSkill=烈火剑法,半月弯刀,刺杀剑术";
    longer[38] = "UseItems7=天魔神甲天魔神甲";
    longer[46] = "UseItems11=圣战头盔圣战头盔";
    ExpectFile(L"赤月恶魔.txt", FileBytes(longer));
    EXPECT_EQ(TextOf(Control(id::kDropRate)), "100");
    EXPECT_EQ(TextOf(Control(id::kButchRate)), "100");
    EXPECT_EQ(TipLine(*app_), "友情提示：当前挖取人形怪身上装备成功概率为： 0%")
        << "both rates are capped; the dig rate, read last, leaves its tip";

    // Back to the initial values: the second file is shorter than the first.
    Pick(id::kChargeClass, 0);
    Retype(id::kButchRate, L"1");
    Pick(id::kSkillOn, 0);
    SlotName(id::kLeftRingButton, id::kLeftRingName, L"");
    SlotName(id::kShoesButton, id::kShoesName, L"");
    Retype(id::kMonsterName, L"赤月恶魔");
    // Leaving a rate edit that holds "0" empties it, so reach 0 with the spin
    // arrow while the focus is elsewhere.
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kButchRate), SpinArrow::Down));
    ASSERT_EQ(AwaitText(Control(id::kButchRate), "0"), "0");
    GenerateExpectingSuccess();
    Lines shorter = kInitialMonster;
    shorter[11] = "DropUseItemRate=100";
    ExpectFile(L"赤月恶魔.txt", FileBytes(shorter));
    // No temporary file; the longer file replaced is kept in the history.
    const auto files = Snapshot(app_->OutputDirectory());
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files.at("history"), "<directory>");
    EXPECT_EQ(files.at("history\\赤月恶魔"), "<directory>");
    std::size_t versions = 0;
    for (const auto& [path, bytes] : files) {
        if (!path.starts_with("history\\赤月恶魔\\")) continue;
        ++versions;
        EXPECT_EQ(bytes, FileBytes(longer)) << path;
    }
    EXPECT_EQ(versions, 1u);
}

TEST_F(Generate, AnExistingDigListSurvivesAndTheSuccessBoxSaysSo) {
    const std::string digList = "\x3B" "Boss" "\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n"  // ;Boss爆率文件
                                "1/10 \xCD\xC0\xC1\xFA\r\n";                          // 1/10 屠龙
    WriteBytes(OutputFile(*app_, L"Boss-Item.txt"), digList);
    Pick(id::kButch, 1);
    Pick(id::kChargeClass, 2);  // 金刚石
    Retype(id::kMonsterName, L"Boss");
    GenerateExpectingSuccess("掉落文件已存在，保留原有挖取列表：Boss-Item.txt");
    ExpectFile(L"Boss-Item.txt", digList);
    const auto monster = ReadBytes(OutputFile(*app_, L"Boss.txt"));
    ASSERT_TRUE(monster) << "the monster file is still written";
    EXPECT_NE(monster->find("ButchUseItem=1\r\n"), std::string::npos) << *monster;
    EXPECT_NE(monster->find("ButchChargeClass=2\r\n"), std::string::npos) << *monster;
}

TEST_F(Generate, TheProgramsOwnDropRateLineIsRewrittenAgain) {
    WriteBytes(OutputFile(*app_, L"Boss-Item.txt"), "\x3B" "Boss" "\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n");
    Pick(id::kButch, 1);
    Retype(id::kMonsterName, L"Boss");
    GenerateExpectingSuccess();
    ExpectFile(L"Boss-Item.txt", "\x3B" "Boss" "\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n");
}

TEST_F(Generate, AnEmptyNameWritesDotTxtWithTwoBlanksInTheHeader) {
    ASSERT_EQ(TextOf(Control(id::kMonsterName)), "") << "the name edit starts empty";
    Pick(id::kButch, 1);
    GenerateExpectingSuccess();
    Lines expected = kInitialMonster;
    expected[0] = ";;==============人型怪物  配制文件=======================";
    expected[13] = "ButchUseItem=1";
    ExpectFile(L".txt", FileBytes(expected));
    ExpectFile(L"-Item.txt", FileBytes({";爆率文件"}));
}

TEST_F(Generate, AnItemNameGbkCannotHoldIsReportedAndNothingIsWritten) {
    WriteBytes(OutputFile(*app_, L"Boss.txt"), "old content\r\n");
    SlotName(id::kWeaponButton, id::kWeaponName, L"屠龙\uD55C");
    Retype(id::kMonsterName, L"Boss");
    const auto before = Snapshot(app_->Directory());
    const std::string message = GenerateExpectingFailure();
    EXPECT_NE(message.find("武器"), std::string::npos) << "the box names the slot: " << message;
    EXPECT_EQ(Snapshot(app_->Directory()), before);
}

TEST_F(Generate, ClosingTheSuccessBoxWithItsCloseButtonLetsTheProgramCarryOn) {
    Retype(id::kMonsterName, L"Boss");
    auto box = ClickGenerate();
    ASSERT_TRUE(box);
    ASSERT_EQ(box->Title(), kSuccessTitle) << box->Describe();
    ASSERT_TRUE(box->PressClose()) << box->Describe();
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_TRUE(app_->IsRunning());

    // The window still takes input and a second generation works.
    Retype(id::kMonsterName, L"Boss2");
    GenerateExpectingSuccess();
    EXPECT_TRUE(fs::exists(OutputFile(*app_, L"Boss.txt")));
    EXPECT_TRUE(fs::exists(OutputFile(*app_, L"Boss2.txt")));
}

TEST_F(Generate, AMissingOutputDirectoryIsMadeOnlyWhenTheUserAgrees) {
    Retype(id::kMonsterName, L"Boss");
    fs::remove_all(app_->OutputDirectory());
    const auto before = Snapshot(app_->Directory());
    for (const char* answer : {"取消", "建立并生成"}) {
        auto box = ClickGenerate();
        ASSERT_TRUE(box) << "no box after clicking the generate button";
        EXPECT_EQ(box->Title(), "建立目录") << box->Describe();
        EXPECT_NE(box->Message().find(runtime::Narrow(app_->OutputDirectory().wstring())),
                  std::string::npos)
            << box->Describe();
        ASSERT_TRUE(box->Press(answer));
        ASSERT_TRUE(box->AwaitClosed());
        if (std::string_view(answer) == "取消") {
            EXPECT_EQ(Snapshot(app_->Directory()), before) << "cancelled: nothing made";
        }
    }
    auto success = OpenBox::Await(*app_);
    ASSERT_TRUE(success) << "no box after making the folder";
    EXPECT_EQ(success->Title(), kSuccessTitle) << success->Describe();
    ASSERT_TRUE(success->Press("确定"));
    EXPECT_TRUE(fs::exists(OutputFile(*app_, L"Boss.txt")));
}

TEST_F(Generate, AReadOnlyTargetIsReportedAndLeftUntouched) {
    const fs::path target = OutputFile(*app_, L"Boss.txt");
    WriteBytes(target, "old content\r\n");
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    Retype(id::kMonsterName, L"Boss");
    const auto before = Snapshot(app_->Directory());
    const std::string message = GenerateExpectingFailure();
    EXPECT_NE(message.find("Boss.txt"), std::string::npos) << "the box names the file: " << message;
    EXPECT_EQ(Snapshot(app_->Directory()), before) << "nothing written, no temporary file left";
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

struct UnsafeName {
    const wchar_t* name;
    const char* kind;  // the test's name
};

// Names that would leave MonUseItems, are no valid file name, or hold a
// character GBK lacks. They change nothing, so one program run serves them all.
class GenerateUnsafeName : public testing::TestWithParam<UnsafeName> {
protected:
    static void SetUpTestSuite() { app_ = AppSession::Launch(ProgramUnderTest()); }
    static void TearDownTestSuite() {
        if (app_) app_->CloseAsUser();
        app_.reset();
    }

    static std::unique_ptr<AppSession> app_;
};

std::unique_ptr<AppSession> GenerateUnsafeName::app_;

TEST_P(GenerateUnsafeName, IsRefusedWithAnErrorBoxAndWritesNothing) {
    ASSERT_TRUE(app_) << "the program did not start";
    ASSERT_TRUE(app_->IsRunning());
    // A file already there, and everything beside the program, stay as they are.
    WriteBytes(app_->OutputDirectory() / L"keep.txt", "keep\r\n");
    const auto before = Snapshot(app_->Directory());

    const HWND name = app_->Control(id::kMonsterName);
    ASSERT_TRUE(RetypeEdit(*app_, name, GetParam().name));
    BringToFront(app_->MainWindow());
    app_->UserMouse().ClickAt(DrawnItemPoint(app_->MainWindow(), id::kGenerate));
    auto box = OpenBox::Await(*app_);
    ASSERT_TRUE(box) << "no box after clicking the generate button";
    EXPECT_EQ(box->Title(), kFailureTitle) << box->Describe();
    EXPECT_EQ(box->Message().find("文件生成成功"), std::string::npos) << box->Describe();
    EXPECT_NE(box->Message().find("怪物名称"), std::string::npos)
        << "the box says the name is the problem: " << box->Describe();
    ASSERT_TRUE(box->Press("确定"));
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_EQ(Snapshot(app_->Directory()), before);
}

INSTANTIATE_TEST_SUITE_P(Generate, GenerateUnsafeName,
                         testing::Values(UnsafeName{L"..\\Boss", "BackslashToTheParent"},
                                         UnsafeName{L"a/b", "Slash"},
                                         UnsafeName{L"..", "TwoDots"},
                                         UnsafeName{L"CON", "DeviceName"},
                                         UnsafeName{L"lpt1", "DeviceNameInLowerCase"},
                                         UnsafeName{L"Boss.", "TrailingDot"},
                                         UnsafeName{L"Boss ", "TrailingBlank"},
                                         UnsafeName{L"Boss?", "QuestionMark"},
                                         UnsafeName{L"a:b", "DriveColon"},
                                         UnsafeName{L"Boss\uD55C", "NotInGbk"}),
                         [](const testing::TestParamInfo<UnsafeName>& kind) {
                             return std::string(kind.param.kind);
                         });

}  // namespace
}  // namespace vorn::e2e
