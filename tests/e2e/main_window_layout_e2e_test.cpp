// The main window as the program shows it at start, compared with the layout
// table control by control: class, parent, place, contents and state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "e2e/app_session.h"
#include "e2e/program_under_test.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_layout.h"

namespace vorn::e2e {
namespace {

using runtime::ControlKind;
using runtime::ControlLayout;

const char* ClassOfKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::EditBox: return "Edit";
        case ControlKind::ComboBox: return "ComboBox";
        case ControlKind::Label: return "VornLabel";
        case ControlKind::Button: return "Button";
        case ControlKind::PicBox: return "VornPicBox";
        case ControlKind::SuperBtn: return "VornSuperBtn";
        case ControlKind::TransLabel: return "VornTransLabel";
        case ControlKind::Timer: break;
    }
    return "";
}

std::vector<std::string> ItemsOf(const ControlLayout& control) {
    return {control.items.begin(), control.items.end()};
}

// The controls the skin replaces with drawn items when the window is created.
constexpr std::uint32_t kReplacedByTheSkin[] = {mainwindow::id::kAboutLink,
                                                mainwindow::id::kAuthorLink,
                                                mainwindow::id::kGenerate, mainwindow::id::kBadge};

bool ReplacedByTheSkin(const ControlLayout& control) {
    return std::find(std::begin(kReplacedByTheSkin), std::end(kReplacedByTheSkin), control.id) !=
           std::end(kReplacedByTheSkin);
}

// The controls that are real windows (every kind but the timer, and not
// the ones the skin draws instead).
std::vector<const ControlLayout*> WindowedControls() {
    std::vector<const ControlLayout*> controls;
    for (const ControlLayout& control : mainwindow::MainWindowLayout().controls)
        if (control.kind != ControlKind::Timer && !ReplacedByTheSkin(control))
            controls.push_back(&control);
    return controls;
}

class MainWindowAtStart : public testing::Test {
protected:
    // One run of the program serves every check of this suite: they only read.
    static void SetUpTestSuite() { app_ = AppSession::Launch(ProgramUnderTest()); }
    static void TearDownTestSuite() {
        if (app_) app_->CloseAsUser();
        app_.reset();
    }
    void SetUp() override { ASSERT_TRUE(app_) << "the program did not start"; }

    static std::unique_ptr<AppSession> app_;
};

std::unique_ptr<AppSession> MainWindowAtStart::app_;

TEST_F(MainWindowAtStart, IsABorderlessCentredTaskbarWindowOfTheLayoutsSize) {
    const auto& layout = mainwindow::MainWindowLayout();
    ASSERT_EQ(layout.width, 533);
    ASSERT_EQ(layout.height, 320);
    const HWND window = app_->MainWindow();
    const RECT rect = ScreenRect(window);
    EXPECT_EQ(Width(rect), layout.width);
    EXPECT_EQ(Height(rect), layout.height);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(Width(client), layout.width) << "no frame: the client area is the whole window";
    EXPECT_EQ(Height(client), layout.height);

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(rect.left - work.left, work.right - rect.right, 1) << "centred horizontally";
    EXPECT_NEAR(rect.top - work.top, work.bottom - rect.bottom, 1) << "centred vertically";

    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(TextOf(window), layout.title);
    const LONG_PTR style = StyleOf(window);
    EXPECT_EQ(style & WS_CAPTION, 0) << "no caption of its own";
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "no sizing frame";
    EXPECT_NE(style & WS_MINIMIZEBOX, 0) << "can be minimised";
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0) << "cannot be maximised";
    const LONG_PTR exStyle = ExStyleOf(window);
    EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0) << "shown in the taskbar";
    EXPECT_EQ(exStyle & WS_EX_TOPMOST, 0) << "not top-most";
}

TEST_F(MainWindowAtStart, EveryControlHasItsClassParentAndRectangle) {
    for (const ControlLayout* control : WindowedControls()) {
        SCOPED_TRACE(std::string(control->name));
        const HWND window = app_->Control(control->id);
        ASSERT_NE(window, nullptr) << "no window with this identifier";
        EXPECT_EQ(ClassNameOf(window), ClassOfKind(control->kind));

        const HWND expectedParent =
            control->parent == 0 ? app_->MainWindow() : app_->Control(control->parent);
        ASSERT_NE(expectedParent, nullptr);
        EXPECT_EQ(GetAncestor(window, GA_PARENT), expectedParent);

        const RECT rect = RectInParent(window);
        EXPECT_EQ(rect.left, control->left);
        EXPECT_EQ(rect.top, control->top);
        EXPECT_EQ(Width(rect), control->width);
        EXPECT_EQ(Height(rect), control->height);
    }
}

TEST_F(MainWindowAtStart, EveryControlShowsItsInitialContent) {
    // The clock may already have ticked: then it shows the hour and minute.
    const std::regex tickCaption("北京时间：[0-9]{1,2}：[0-9]{1,2}");
    for (const ControlLayout* control : WindowedControls()) {
        SCOPED_TRACE(std::string(control->name));
        const HWND window = app_->Control(control->id);
        ASSERT_NE(window, nullptr);
        switch (control->kind) {
            case ControlKind::ComboBox:
                EXPECT_EQ(ComboItems(window), ItemsOf(*control));
                EXPECT_EQ(ComboSelection(window), control->selection);
                EXPECT_EQ(TextOf(window), control->items[control->selection])
                    << "the selected item is shown";
                break;
            case ControlKind::TransLabel:
                if (control->id == mainwindow::id::kClock && TextOf(window) != control->text) {
                    EXPECT_TRUE(std::regex_match(TextOf(window), tickCaption)) << TextOf(window);
                    break;
                }
                EXPECT_EQ(TextOf(window), control->text);
                break;
            case ControlKind::PicBox:
                EXPECT_EQ(TextOf(window), "");
                break;
            default:  // edit content, label and button caption, image-button tooltip
                EXPECT_EQ(TextOf(window), control->text);
        }
    }
}

TEST_F(MainWindowAtStart, VisibilityAndEnabledStateFollowTheLayout) {
    for (const ControlLayout* control : WindowedControls()) {
        SCOPED_TRACE(std::string(control->name));
        const HWND window = app_->Control(control->id);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(HasVisibleStyle(window), control->visible);
        EXPECT_EQ(IsWindowEnabled(window) != FALSE, control->enabled);
        EXPECT_EQ((StyleOf(window) & WS_TABSTOP) != 0, control->tabStop);
    }
    // Spot checks of the rules behind the table, in case the table drifts.
    EXPECT_FALSE(HasVisibleStyle(app_->Control(mainwindow::id::kSkills)));
    EXPECT_FALSE(IsWindowEnabled(app_->Control(mainwindow::id::kSkills)));
    EXPECT_FALSE(IsWindowEnabled(app_->Control(mainwindow::id::kHelmetName)));
    EXPECT_TRUE(IsWindowEnabled(app_->Control(mainwindow::id::kDropRate)));
}

TEST_F(MainWindowAtStart, TheTimerHasNoWindow) {
    EXPECT_EQ(app_->Control(mainwindow::id::kClockTimer), nullptr);
}

TEST_F(MainWindowAtStart, TheControlsTheSkinDrawsInsteadAreNoWindowsAnyMore) {
    for (const std::uint32_t id : kReplacedByTheSkin)
        EXPECT_EQ(app_->Control(id), nullptr) << Describe(app_->Control(id));
}

}  // namespace
}  // namespace vorn::e2e
