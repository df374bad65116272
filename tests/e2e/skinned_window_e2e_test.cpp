// The skinned frame and the drawn items of the main window, used with the
// real mouse: hover, the hand, the caption drag, the caption buttons, and
// the author-page link.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "e2e/box_probe.h"
#include "e2e/drawn_items.h"
#include "e2e/shared_session.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"

namespace vorn::e2e {
namespace {

namespace id = mainwindow::id;
using namespace std::chrono_literals;

class SkinnedWindow : public SharedSession<SkinnedWindow> {
protected:
    // A point of bare background below the caption.
    POINT Background() const { return ClientToScreenPoint(app_->MainWindow(), {30, 50}); }

    // Moves the mouse from the background onto `target`; expects the pixel at
    // `probe` to change while there and the pointer to become another one.
    void ExpectHoverAt(POINT target, POINT probe) {
        app_->UserMouse().MoveTo(Background());
        ASSERT_TRUE(WaitUntil([&] { return WindowFromPoint(Background()) == app_->MainWindow(); }));
        // Long enough for any earlier fade to end.
        Sleep(400);
        const COLORREF before = ScreenPixel(probe);
        const HCURSOR arrow = CurrentCursor();
        app_->UserMouse().MoveTo(target);
        EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(probe) != before; }))
            << "the item shows no hover";
        EXPECT_TRUE(WaitUntil([&] { return CurrentCursor() != arrow; }))
            << "the pointer did not change over the item";
        app_->UserMouse().MoveTo(Background());
        EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(probe) == before; }, 3s))
            << "the hover did not fade out";
    }
};

TEST_F(SkinnedWindow, TheCloseButtonAndTheGenerateButtonLightUpUnderThePointer) {
    const HWND window = app_->MainWindow();
    RECT client{};
    GetClientRect(window, &client);
    // The close face's corner, clear of its glyph.
    ExpectHoverAt(CloseButtonPoint(window), ClientToScreenPoint(window, {client.right - 45, 3}));
    const POINT generate = DrawnItemPoint(window, id::kGenerate);
    // The button face's left end, beside its save icon.
    ExpectHoverAt(generate, ClientToScreenPoint(window, {437, 270}));
}

TEST_F(SkinnedWindow, DraggingTheCaptionMovesTheWindow) {
    const RECT before = ScreenRect(app_->MainWindow());
    const POINT start = CaptionPoint(app_->MainWindow());
    app_->UserMouse().Drag(start, {start.x + 40, start.y + 30});
    EXPECT_TRUE(WaitUntil([&] {
        const RECT now = ScreenRect(app_->MainWindow());
        return now.left == before.left + 40 && now.top == before.top + 30;
    })) << "the window is at " << ScreenRect(app_->MainWindow()).left;
}

TEST_F(SkinnedWindow, TheDrawnCloseButtonAsksTheExitQuestionOnce) {
    app_->UserMouse().ClickAt(CloseButtonPoint(app_->MainWindow()));
    auto question = OpenBox::Await(*app_);
    ASSERT_TRUE(question) << "the close button asked nothing";
    EXPECT_EQ(question->Title(), "关闭程序");
    ASSERT_TRUE(question->Press("不想退出"));
    ASSERT_TRUE(question->AwaitClosed());
    EXPECT_FALSE(OpenBox::Await(*app_, 1s)) << "asked a second time";
    EXPECT_TRUE(app_->IsRunning());
    EXPECT_TRUE(IsWindowVisible(app_->MainWindow()));
}

TEST_F(SkinnedWindow, AltF4AndTheTaskbarAskTheExitQuestionOnce) {
    const HWND window = app_->MainWindow();
    const std::pair<const char*, std::function<void()>> paths[] = {
        {"Alt+F4", [&] {
             ASSERT_TRUE(BringToFront(window));
             PressChord(VK_MENU, VK_F4);
         }},
        // What the taskbar's "close window" sends.
        {"taskbar", [&] { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [name, close] : paths) {
        SCOPED_TRACE(name);
        // Away from where the last question's button was: Wine hands a click
        // made without a move to the window that was under the pointer
        // before the box appeared there.
        app_->UserMouse().MoveTo(Background());
        close();
        auto question = OpenBox::Await(*app_);
        ASSERT_TRUE(question) << "closing asked nothing";
        EXPECT_EQ(question->Title(), "关闭程序");
        ASSERT_TRUE(question->Press("不想退出"));
        ASSERT_TRUE(question->AwaitClosed());
        EXPECT_FALSE(OpenBox::Await(*app_, 1s)) << "asked a second time";
        EXPECT_TRUE(app_->IsRunning());
        EXPECT_TRUE(IsWindowVisible(window));
    }
}

TEST_F(SkinnedWindow, MinimiseMakesTheWindowIconicAndItComesBackWhole) {
    const HWND window = app_->MainWindow();
    // The drawn icon, the generate item and a child control, as they look now.
    const POINT probes[] = {ClientToScreenPoint(window, {14, 14}),
                            ClientToScreenPoint(window, {440, 272}),
                            ClientToScreenPoint(window, {460, 110})};
    const auto shown = [&] {
        std::vector<COLORREF> now;
        for (const POINT probe : probes) now.push_back(ScreenPixel(probe));
        return now;
    };
    // Once the first paint has reached the screen.
    ASSERT_TRUE(WaitUntil([&] { return ScreenPixel(probes[0]) != 0; }));
    const std::vector<COLORREF> before = shown();
    app_->UserMouse().ClickAt(MinimiseButtonPoint(window));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; })) << "not minimised";

    // What the taskbar does to bring it back.
    PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); }));
    EXPECT_TRUE(WaitUntil([&] { return shown() == before; })) << "not drawn again whole: "
        << std::hex << shown()[0] << " " << shown()[1] << " " << shown()[2] << " were " << before[0]
        << " " << before[1] << " " << before[2];
}

// For one test, web pages open through a command that writes what it is
// given into a file, where the system has no handler of its own for them
// (Wine's bare prefix): a real browser is not started.
class PageOpenRecorder {
public:
    explicit PageOpenRecorder(const std::filesystem::path& record) {
        HKEY existing = nullptr;
        if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kExtensionKey, 0, KEY_READ, &existing) == ERROR_SUCCESS) {
            RegCloseKey(existing);
            return;  // a real handler stays untouched
        }
        const std::wstring command =
            L"C:\\windows\\system32\\cmd.exe /c echo %1> \"" + record.wstring() + L"\"";
        active_ = SetDefault(kExtensionKey, kProgId) &&
                  SetDefault(L"VornE2E.Page\\shell\\open\\command", command);
    }
    ~PageOpenRecorder() {
        if (!active_) return;
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kExtensionKey);
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"VornE2E.Page");
    }
    bool Active() const { return active_; }

private:
    static constexpr const wchar_t* kExtensionKey = L".html";
    static constexpr const wchar_t* kProgId = L"VornE2E.Page";

    static bool SetDefault(const wchar_t* key, const std::wstring& value) {
        HKEY handle = nullptr;
        if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                            nullptr) != ERROR_SUCCESS)
            return false;
        const LONG status = RegSetValueExW(handle, nullptr, 0, REG_SZ,
                                           reinterpret_cast<const BYTE*>(value.c_str()),
                                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
        return status == ERROR_SUCCESS;
    }

    bool active_ = false;
};

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(SkinnedWindow, TheAuthorLinkOpensTheHelpPageBesideTheProgram) {
    const std::filesystem::path record = app_->Directory() / L"opened.txt";
    const PageOpenRecorder recorder(record);
    if (!recorder.Active()) GTEST_SKIP() << "web pages have a real handler here";
    app_->UserMouse().ClickAt(DrawnItemPoint(app_->MainWindow(), id::kAuthorLink));
    ASSERT_TRUE(WaitUntil([&] { return FileText(record).find("help.html") != std::string::npos; },
                          10s))
        << "the page was not handed on: \"" << FileText(record) << "\"";
    EXPECT_FALSE(OpenBox::Current(*app_)) << "no box opens";
    EXPECT_TRUE(app_->IsRunning());
}

}  // namespace
}  // namespace vorn::e2e
