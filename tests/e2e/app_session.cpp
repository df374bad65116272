#include "e2e/app_session.h"

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "e2e/box_probe.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

// Caption of the exit question's button that lets the program close.
constexpr std::wstring_view kConfirmExitCaption = L"确定退出";

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ProcessWindows*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) search->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    ProcessWindows search{processId, {}};
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::string LastErrorText(const char* what) {
    return std::string(what) + " failed, error " + std::to_string(GetLastError());
}

}  // namespace

AppSession::AppSession(std::wstring_view scratchPrefix) : directory_(scratchPrefix) {}

std::unique_ptr<AppSession> AppSession::Launch(const std::filesystem::path& program,
                                               milliseconds windowTimeout,
                                               std::wstring_view arguments,
                                               const Preparation& prepare) {
    std::unique_ptr<AppSession> session(new AppSession(L"vorn-e2e"));
    const std::filesystem::path copy = session->Directory() / program.filename();
    std::filesystem::copy_file(program, copy);
    // Files the program keeps beside itself travel with it.
    const std::filesystem::path help = program.parent_path() / "help.html";
    if (std::filesystem::exists(help))
        std::filesystem::copy_file(help, session->Directory() / "help.html");
    std::filesystem::create_directory(session->OutputDirectory());
    if (prepare) prepare(session->Directory());

    std::wstring commandLine = L"\"" + copy.wstring() + L"\"";
    if (!arguments.empty()) commandLine.append(L" ").append(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Started from another directory on purpose: the program must find its
    // own directory by itself.
    if (!CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        throw std::runtime_error(LastErrorText("CreateProcessW"));
    CloseHandle(info.hThread);
    session->process_ = info.hProcess;
    session->processId_ = info.dwProcessId;

    const std::string mainClass = runtime::Narrow(kMainWindowClass);
    const bool shown = WaitUntil(
        [&] {
            for (HWND window : TopLevelWindowsOf(session->processId_))
                if (ClassNameOf(window) == mainClass &&
                    IsWindowVisible(window)) {
                    session->mainWindow_ = window;
                    return true;
                }
            return !session->IsRunning();
        },
        windowTimeout);
    if (!shown || !session->mainWindow_) {
        if (!session->IsRunning()) {
            DWORD code = 0;
            GetExitCodeProcess(session->process_, &code);
            throw std::runtime_error("the program ended before showing its window, exit code " +
                                     std::to_string(code));
        }
        throw std::runtime_error("the program's main window did not become visible in time");
    }
    return session;
}

AppSession::~AppSession() {
    if (!process_) return;
    if (IsRunning()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
}

HWND AppSession::Control(std::uint32_t controlId) const {
    return FindDescendant(mainWindow_, controlId);
}

bool AppSession::IsRunning() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> AppSession::WaitForExit(milliseconds timeout) {
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

HWND AppSession::WaitForBox(milliseconds timeout) const {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindowsOf(processId_))
                if (window != mainWindow_ && IsWindowVisible(window) &&
                    GetWindow(window, GW_OWNER) == mainWindow_) {
                    box = window;
                    return true;
                }
            return false;
        },
        timeout);
    return box;
}

std::optional<DWORD> AppSession::CloseAsUser(milliseconds timeout) {
    PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    HWND answered = nullptr;
    auto answeredAt = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto code = WaitForExit(milliseconds(50))) return code;
        // The program may ask first: answer "close" on its box, and again
        // if it is still there long after (a click it did not take yet).
        auto question = OpenBox::Current(*this);
        if (!question) continue;
        if (question->Window() == answered && std::chrono::steady_clock::now() - answeredAt < milliseconds(3000))
            continue;
        answered = question->Window();
        answeredAt = std::chrono::steady_clock::now();
        // Edits not generated yet are given up: "不生成" closes the window.
        if (!question->Press(runtime::Narrow(kConfirmExitCaption))) question->Press("不生成");
    }
    return WaitForExit(milliseconds(0));
}

}  // namespace vorn::e2e
