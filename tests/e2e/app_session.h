// One run of the program under test, driven from outside as a user would.
//
//   auto app = AppSession::Launch(ProgramUnderTest());
//   HWND edit = app->Control(mainwindow::id::kDropRate);
//   ... read it with window_probe.h, act on it with app->UserMouse() and the
//   keyboard functions of user_input.h ...
//   EXPECT_EQ(app->CloseAsUser(), 0u);
//
// Launch copies the program into a fresh scratch directory holding an empty
// MonUseItems (so generated files of one test never meet another's), starts
// it and waits until its main window is visible. The destructor ends a
// program still running and removes the directory.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "e2e/mouse.h"
#include "e2e/scratch_directory.h"

namespace vorn::e2e {

using std::chrono::milliseconds;

inline constexpr std::wstring_view kMainWindowClass = L"VornMainWindow";
inline constexpr std::wstring_view kOutputDirectoryName = L"MonUseItems";

class AppSession {
public:
    // Throws std::runtime_error when the program cannot be started or shows no
    // main window within the timeout. `arguments` follow the program's quoted
    // path on its command line, as given (quote paths with blanks yourself).
    // `prepare`, when given, puts files into the program's directory before
    // it starts (a settings file, say).
    using Preparation = std::function<void(const std::filesystem::path& directory)>;
    static std::unique_ptr<AppSession> Launch(const std::filesystem::path& program,
                                              milliseconds windowTimeout = milliseconds(30000),
                                              std::wstring_view arguments = {},
                                              const Preparation& prepare = {});
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    HWND MainWindow() const { return mainWindow_; }
    // The control with this identifier anywhere under the main window, or nullptr.
    HWND Control(std::uint32_t controlId) const;

    // The mouse to click and drag with during this session.
    Mouse& UserMouse() { return mouse_; }

    const std::filesystem::path& Directory() const { return directory_.Path(); }
    std::filesystem::path OutputDirectory() const { return Directory() / kOutputDirectoryName; }
    DWORD ProcessId() const { return processId_; }

    bool IsRunning() const;
    // The exit code once the process ended within the timeout.
    std::optional<DWORD> WaitForExit(milliseconds timeout);

    // A visible top-level window of the program other than the main window
    // (a message or confirmation box), waited for up to the timeout.
    HWND WaitForBox(milliseconds timeout) const;

    // Closes the main window the way a user does (the window's close request,
    // as from the taskbar or Alt+F4), confirms the exit question if the program
    // asks one, and waits for the process to end. The exit code, or nothing
    // when it did not end in time.
    std::optional<DWORD> CloseAsUser(milliseconds timeout = milliseconds(15000));

private:
    AppSession(std::wstring_view scratchPrefix);

    ScratchDirectory directory_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
    Mouse mouse_;
};

}  // namespace vorn::e2e
