// The borderless window is moved by dragging its background, its panels and
// its labels; presses on fields do not move it.
#include <gtest/gtest.h>

#include <memory>

#include "e2e/app_session.h"
#include "e2e/shared_session.h"
#include "e2e/mouse.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_layout.h"

namespace vorn::e2e {
namespace {

namespace id = mainwindow::id;

class WindowDrag : public SharedSession<WindowDrag> {
protected:
    // Drags from `start` (screen) by (dx, dy) and waits until the window has
    // moved by that much; returns how far it moved.
    POINT DragAndMeasure(POINT start, int dx, int dy) {
        const RECT before = ScreenRect(app_->MainWindow());
        app_->UserMouse().Drag(start, {start.x + dx, start.y + dy});
        WaitUntil([&] {
            const RECT now = ScreenRect(app_->MainWindow());
            return now.left == before.left + dx && now.top == before.top + dy;
        });
        const RECT after = ScreenRect(app_->MainWindow());
        return {after.left - before.left, after.top - before.top};
    }

    // The screen point of the field panel's own black background in the gap
    // below the first row's caption label.
    POINT PanelGapPoint() const {
        const runtime::ControlLayout* caption =
            runtime::FindControl(mainwindow::MainWindowLayout(), id::kJobCaption);
        const POINT client{caption->left + caption->width / 2, caption->top + caption->height};
        return ClientToScreenPoint(app_->Control(id::kFieldPanel), client);
    }

};


TEST_F(WindowDrag, DraggingThePanelBackgroundMovesTheWindowByTheMouseDelta) {
    const POINT start = PanelGapPoint();
    ASSERT_EQ(WindowFromPoint(start), app_->Control(id::kFieldPanel))
        << "the press must land on the panel itself, between two rows";
    const POINT moved = DragAndMeasure(start, 60, 40);
    EXPECT_EQ(moved.x, 60);
    EXPECT_EQ(moved.y, 40);
}

TEST_F(WindowDrag, DraggingACaptionLabelMovesTheWindowByTheMouseDelta) {
    const HWND caption = app_->Control(id::kGenderCaption);
    ASSERT_NE(caption, nullptr);
    RECT client{};
    GetClientRect(caption, &client);
    const POINT start = ClientToScreenPoint(caption, {client.right / 2, client.bottom / 2});
    ASSERT_EQ(WindowFromPoint(start), caption);
    const POINT moved = DragAndMeasure(start, -50, -30);
    EXPECT_EQ(moved.x, -50);
    EXPECT_EQ(moved.y, -30);
}

TEST_F(WindowDrag, DraggingTheWindowBackgroundMovesTheWindow) {
    // Left of the helmet button, above the weapon button: bare background.
    const POINT start = ClientToScreenPoint(app_->MainWindow(), {30, 50});
    ASSERT_EQ(WindowFromPoint(start), app_->MainWindow());
    const POINT moved = DragAndMeasure(start, 25, -20);
    EXPECT_EQ(moved.x, 25);
    EXPECT_EQ(moved.y, -20);
}

TEST_F(WindowDrag, DraggingInsideAnEditBoxLeavesTheWindowInPlace) {
    const HWND nameBox = app_->Control(id::kMonsterName);
    ASSERT_NE(nameBox, nullptr);
    RECT client{};
    GetClientRect(nameBox, &client);
    const POINT inEdit = ClientToScreenPoint(nameBox, {client.right / 2, client.bottom / 2});
    ASSERT_EQ(WindowFromPoint(inEdit), nameBox);
    const RECT before = ScreenRect(app_->MainWindow());
    app_->UserMouse().Drag(inEdit, {inEdit.x + 40, inEdit.y + 30});
    // Input is handled in order: once a key typed after the drag shows in the
    // box, the drag has been handled too.
    TypeText(L"7");
    ASSERT_TRUE(WaitUntil([&] { return TextOf(nameBox).find('7') != std::string::npos; }))
        << "the press did not give the edit box the focus";
    const RECT after = ScreenRect(app_->MainWindow());
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

}  // namespace
}  // namespace vorn::e2e
