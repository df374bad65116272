// The one window mechanism: objects attached to a window that exists see its
// messages newest first and pass them on, let go when asked or when the
// window goes, and never destroy a window they did not create.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/win32/window_object_win.h"

namespace vorn::runtime {
namespace {

// Counts the messages that reach the window's own procedure.
int ownCloses = 0;

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) ++ownCloses;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeHost() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HostProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VornWindowObjectTestHost";
    RegisterClassExW(&windowClass);  // fails harmlessly once registered
    return CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 50, 50, nullptr,
                           nullptr, windowClass.hInstance, nullptr);
}

// Writes its name into `seen` for every WM_CLOSE; `swallow` keeps it from
// the procedures after it.
class Watcher final : public WindowObject {
public:
    Watcher(std::string name, std::vector<std::string>& seen) : name_(std::move(name)), seen_(seen) {}
    bool swallow = false;
    bool gone = false;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CLOSE) {
            seen_.push_back(name_);
            if (swallow) return 0;
        }
        return Default(message, wParam, lParam);
    }
    void OnWindowGone() override { gone = true; }

private:
    std::string name_;
    std::vector<std::string>& seen_;
};

class WindowObjectTest : public ::testing::Test {
protected:
    void SetUp() override { ownCloses = 0; }
    void TearDown() override {
        if (IsWindow(host)) DestroyWindow(host);
    }
    HWND host = MakeHost();
    std::vector<std::string> seen;
};

TEST_F(WindowObjectTest, AttachedObjectsSeeMessagesNewestFirstAndPassThemOn) {
    Watcher first("first", seen), second("second", seen);
    ASSERT_TRUE(first.Attach(host));
    ASSERT_TRUE(second.Attach(host));
    EXPECT_FALSE(first.Attach(host)) << "one window per object";

    second.swallow = true;
    SendMessageW(host, WM_CLOSE, 0, 0);
    EXPECT_EQ(seen, std::vector<std::string>{"second"});
    EXPECT_EQ(ownCloses, 0) << "a message used up goes no further";
    EXPECT_TRUE(IsWindow(host));

    second.Detach();
    EXPECT_EQ(second.handle(), nullptr);
    first.swallow = true;
    SendMessageW(host, WM_CLOSE, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"second", "first"}));

    first.swallow = false;
    SendMessageW(host, WM_CLOSE, 0, 0);
    EXPECT_EQ(ownCloses, 1) << "passed on, down to the window's own procedure";
    EXPECT_FALSE(IsWindow(host)) << "whose default handling destroyed it";
}

TEST_F(WindowObjectTest, AttachedObjectsLetGoWhenTheWindowGoesAndLeaveItWhenTheyGo) {
    {
        Watcher shortLived("short", seen);
        ASSERT_TRUE(shortLived.Attach(host));
    }
    EXPECT_TRUE(IsWindow(host)) << "an attached object does not destroy the window";
    SendMessageW(host, WM_NULL, 0, 0);  // and nothing calls the object that is gone

    Watcher watcher("watcher", seen);
    ASSERT_TRUE(watcher.Attach(host));
    DestroyWindow(host);
    EXPECT_TRUE(watcher.gone);
    EXPECT_EQ(watcher.handle(), nullptr);
    EXPECT_FALSE(watcher.Attach(host)) << "a window that is gone cannot be attached";
}

}  // namespace
}  // namespace vorn::runtime
