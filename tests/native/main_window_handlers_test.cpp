// The skill line, the about box, the author-page link and event routing.
#include <gtest/gtest.h>

#include <new>

#include "mainwindow/about_box.h"
#include "native/handler_fixture.h"

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;
namespace prop = runtime::prop;
using MainWindowHandlers = HandlerTest;
using Lines = std::vector<std::string>;

constexpr int kEnter = 13;
constexpr runtime::Rgb kWhite = 0xFFFFFF, kSilver = 0xC0C0C0;

TEST_F(MainWindowHandlers, SkillLineStartsHiddenAndDisabled) {
    EXPECT_FALSE(window.Control(id::kSkills).visible);
    EXPECT_TRUE(window.Control(id::kSkills).disabled);
    EXPECT_EQ(window.Control(id::kSkills).backColour, kSilver);
}

TEST_F(MainWindowHandlers, SwitchingSkillsOnEnablesThenWhitensThenShows) {
    window.Select(id::kSkillOn, 1);
    EXPECT_EQ(journal, (Lines{
                           Delivered(runtime::EventKind::SelectionChanged, id::kSkillOn),
                           WroteInteger(id::kSkills, prop::kDisabled, 0),
                           WroteInteger(id::kSkills, prop::edit::kBackColour, kWhite),
                           WroteInteger(id::kSkills, prop::kVisible, 1),
                           WroteText(id::kTipLine, prop::label::kCaption,
                                     "友情提示：请填写职业匹配技能。战士示例：烈火剑法,半月弯刀,刺杀剑术"),
                       }));
}

TEST_F(MainWindowHandlers, SwitchingSkillsOffDisablesThenHidesThenGreys) {
    window.Select(id::kSkillOn, 1);
    ForgetJournal();
    window.Select(id::kSkillOn, 0);
    EXPECT_EQ(journal, (Lines{
                           Delivered(runtime::EventKind::SelectionChanged, id::kSkillOn),
                           WroteInteger(id::kSkills, prop::kDisabled, 1),
                           WroteInteger(id::kSkills, prop::kVisible, 0),
                           WroteInteger(id::kSkills, prop::edit::kBackColour, kSilver),
                           WroteText(id::kTipLine, prop::label::kCaption,
                                     "友情提示：关闭人形怪使用技能。"),
                       }));
}

TEST_F(MainWindowHandlers, SkillLineOnEnterOffAndOnAgainKeepsItsText) {
    window.Select(id::kSkillOn, 1);
    EXPECT_TRUE(window.Control(id::kSkills).visible);
    EXPECT_FALSE(window.Control(id::kSkills).disabled);
    EXPECT_EQ(window.Control(id::kSkills).backColour, kWhite);

    window.Type(id::kSkills, "烈火剑法,半月弯刀");
    ForgetJournal();
    window.PressKey(id::kSkills, kEnter);
    // Enter only hides the line: it stays enabled, white, with its text.
    EXPECT_FALSE(window.Control(id::kSkills).visible);
    EXPECT_FALSE(window.Control(id::kSkills).disabled);
    EXPECT_EQ(window.Control(id::kSkills).backColour, kWhite);
    EXPECT_TRUE(TipsWritten().empty());

    window.Select(id::kSkillOn, 0);
    EXPECT_FALSE(window.Control(id::kSkills).visible);
    EXPECT_TRUE(window.Control(id::kSkills).disabled);
    EXPECT_EQ(window.Control(id::kSkills).backColour, kSilver);

    window.Select(id::kSkillOn, 1);
    EXPECT_TRUE(window.Control(id::kSkills).visible);
    EXPECT_FALSE(window.Control(id::kSkills).disabled);
    EXPECT_EQ(window.Control(id::kSkills).backColour, kWhite);
    EXPECT_EQ(window.Text(id::kSkills), "烈火剑法,半月弯刀");
}

TEST_F(MainWindowHandlers, AnyIndexButZeroSwitchesSkillsOn) {
    window.Select(id::kSkillOn, -1);
    EXPECT_TRUE(window.Control(id::kSkills).visible);
    window.Select(id::kSkillOn, 0);
    window.Select(id::kSkillOn, 2);
    EXPECT_TRUE(window.Control(id::kSkills).visible);
}

TEST_F(MainWindowHandlers, OtherKeysInTheSkillLineDoNothing) {
    window.Select(id::kSkillOn, 1);
    ForgetJournal();
    for (int key : {10, 27, 32, 65}) window.PressKey(id::kSkills, key);
    EXPECT_TRUE(window.Control(id::kSkills).visible);
    EXPECT_EQ(journal.size(), 4u);
}

TEST_F(MainWindowHandlers, AboutLinkShowsTheAboutBox) {
    controller.AboutItemClicked();

    ASSERT_EQ(boxes.requests.size(), 1u);
    const runtime::BoxRequest& box = boxes.requests[0];
    EXPECT_EQ(box.owner, FakeWindow::kHandle);
    EXPECT_EQ(box.title, "关于软件");
    EXPECT_EQ(box.icon, runtime::icon::kInformation);
    EXPECT_EQ(box.captions, (Lines{"返回", "确定"}));
    EXPECT_EQ(box.defaultButton, 0);
    EXPECT_TRUE(box.showOption);
    EXPECT_EQ(box.optionText, "不再提示");
    EXPECT_TRUE(boxes.pictureSizes.empty());  // a standard icon, no picture
    EXPECT_EQ(box.message, mainwindow::AboutText());
}

TEST(AboutText, FixedGreetingThenContactAndAuthorLines) {
    const std::string text = mainwindow::AboutText();
    const std::string greeting =
        "Vorn_人形怪配置器 V1.0\r\n\r\n欢迎使用[Qilor系列软件]，感谢您对我的支持和鼓励。\r\n\r\n"
        "本软件为Vorn引擎 人形怪配置 专用工具。\r\n\r\n"
        "相信后续版本会更加给力，敬请期待下一版本。\r\n\r\n";
    ASSERT_TRUE(text.starts_with(greeting));
    const std::string rest = text.substr(greeting.size());
    const std::size_t gap = rest.find("\r\n\r\n");
    ASSERT_NE(gap, std::string::npos);
    const std::string contact = rest.substr(0, gap);
    const std::string author = rest.substr(gap + 4);
    EXPECT_TRUE(contact.starts_with("联系方式：")) << contact;
    EXPECT_TRUE(author.starts_with("作者：")) << author;
    EXPECT_EQ(contact.find("\r\n"), std::string::npos);
    EXPECT_EQ(author.find("\r\n"), std::string::npos);
}

TEST_F(MainWindowHandlers, AuthorLinkOpensTheHelpPageBesideTheProgram) {
    program.directory = "D:\\Games\\Vorn";
    controller.AuthorItemClicked();
    EXPECT_EQ(web.opened, Lines{"file:///D:/Games/Vorn/help.html"});
    EXPECT_TRUE(boxes.requests.empty());
}

TEST_F(MainWindowHandlers, EventsOfAnotherWindowAreIgnored) {
    controller.OnEvent({0x52010002, id::kJob, runtime::EventKind::SelectionChanged, 0});
    controller.OnEvent({0x52010002, id::kAboutLink, runtime::EventKind::Clicked, 0});
    controller.OnEvent({0x52010002, id::kClockTimer, runtime::EventKind::PeriodElapsed, 0});
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(boxes.requests.empty());
    EXPECT_EQ(window.Text(id::kClock), "北京时间：00:00");
}

TEST_F(MainWindowHandlers, EventsNobodyHandlesChangeNothing) {
    window.Click(id::kTipLine);
    window.Click(id::kFieldPanel);
    // The replaced controls' own clicks: only the drawn items call the handlers.
    window.Click(id::kAboutLink);
    window.Click(id::kAuthorLink);
    window.Click(id::kGenerate);
    window.PressKey(id::kMonsterName, kEnter);
    window.Type(id::kMonsterName, "祖玛卫士");
    window.MoveFocus(id::kJob);
    window.MoveFocus(id::kDropRate);  // the job combo loses the focus
    window.Tick(id::kTipLine);
    controller.OnEvent({mainwindow::kMainWindowId, 0, runtime::EventKind::CreationFinished, 0});
    EXPECT_TRUE(TipsWritten().empty());
    EXPECT_TRUE(boxes.requests.empty());
    EXPECT_TRUE(web.opened.empty());
    for (const std::string& line : journal) EXPECT_TRUE(line.starts_with("event ")) << line;
}

}  // namespace
}  // namespace vorn::testing

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;

TEST_F(MainWindowHandlers, ClickRoutinesOfTheSkinnedControlsMatchTheLayoutClicks) {
    program.directory = "C:\\Vorn";
    controller.AboutItemClicked();
    controller.AuthorItemClicked();
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].title, "关于软件");
    EXPECT_EQ(web.opened, std::vector<std::string>{"file:///C:/Vorn/help.html"});

    controller.GenerateItemClicked();  // no MonUseItems under C:\Vorn here: an error box
    ASSERT_EQ(boxes.requests.size(), 2u);
    EXPECT_NE(boxes.requests[1].title, "生成提示：");
}

// A box service that fails the way an exhausted machine would.
class FailingBoxService final : public runtime::BoxService {
public:
    runtime::BoxAnswer ShowBox(const runtime::BoxRequest&) override {
        throw std::bad_alloc();
    }
};

TEST_F(MainWindowHandlers, AFailingHandlerNeitherThrowsNorClosesTheWindow) {
    FailingBoxService failing;
    mainwindow::MainWindowController guarded{
        {properties, commands, failing, clock, sound, web, program, files}};
    window.SetSink(&guarded);

#ifndef _WIN32  // on Windows the report goes to the debugger's output instead
    ::testing::internal::CaptureStderr();
    guarded.AboutItemClicked();
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("a main-window handler"), std::string::npos) << report;
    EXPECT_NE(report.find("bad_alloc"), std::string::npos) << report;
#endif
    window.Click(id::kHelmetButton);
    ASSERT_FALSE(window.Control(id::kHelmetName).disabled);
    EXPECT_NO_THROW(window.PressKey(id::kHelmetName, 13));
    EXPECT_NO_THROW(guarded.AboutItemClicked());
    EXPECT_EQ(guarded.CloseHandler(0x4242, mainwindow::MainWindowController::kCloseMessage), 1);
    EXPECT_TRUE(window.Control(id::kHelmetName).disabled);  // locked before the box failed
    // Handlers after the failure still run.
    window.Select(id::kJob, 1);
    EXPECT_EQ(Tip(), "友情提示：您选择了【法师】，代码为：1");
}

}  // namespace
}  // namespace vorn::testing
