#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "runtime/base/fatal_error_win.h"
#include "runtime/win32/system_function_win.h"

namespace vorn::runtime {
namespace {

BOOL CALLBACK RememberOwnMessageBox(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process != GetCurrentProcessId() || std::wstring(className) != L"#32770") return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND FindOwnMessageBox() {
    HWND found = nullptr;
    EnumWindows(RememberOwnMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

BOOL CALLBACK AppendChildText(HWND child, LPARAM texts) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    *reinterpret_cast<std::wstring*>(texts) += std::wstring(text) + L"|";
    return TRUE;
}

std::wstring ChildTexts(HWND box) {
    std::wstring texts;
    EnumChildWindows(box, AppendChildText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// In the dying child: waits for the error box, reports on stderr whether it
// shows `expected`, and presses OK so the process can end.
void AnswerErrorBoxExpecting(std::wstring expected) {
    std::thread([expected] {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            if (HWND box = FindOwnMessageBox()) {
                Sleep(50);
                const std::wstring texts = ChildTexts(box);
                std::fputs(texts.find(expected) != std::wstring::npos ? "error box matched\n"
                                                                       : "error box differs\n",
                           stderr);
                std::fflush(stderr);
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    }).detach();
}

TEST(FatalRuntimeErrorDeathTest, ShowsTheTextThenExitsWithMinusOne) {
    EXPECT_EXIT(
        {
            AnswerErrorBoxExpecting(L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
            FatalRuntimeError("载入启动窗口失败");
        },
        testing::ExitedWithCode(-1), "error box matched");
}

TEST(SystemFunction, CallsTheSystemExportWithTheCallersArguments) {
    SystemFunction<decltype(&MulDiv)> mulDiv{L"kernel32.dll", "MulDiv"};
    EXPECT_EQ(mulDiv(7, 6, 3), 14);
    EXPECT_EQ(mulDiv.Get(), mulDiv.Get());
    // Two entries naming one function are resolved separately, to one address.
    SystemFunction<decltype(&MulDiv)> sameFunction{L"KERNEL32", "MulDiv"};
    EXPECT_EQ(sameFunction(10, 10, 4), 25);
    EXPECT_EQ(sameFunction.Get(), mulDiv.Get());
}

TEST(SystemFunctionDeathTest, MissingExportIsFatalAndNamesLibraryAndExport) {
    const auto callMissing = [] {
        AnswerErrorBoxExpecting(
            L"错误信息：无法找到指定DLL库文件“kernel32.dll”中的输出命令“NoSuchVornExport”");
        SystemFunction<void(WINAPI*)()> missing{L"kernel32.dll", "NoSuchVornExport"};
        missing();
    };
    EXPECT_EXIT(callMissing(), testing::ExitedWithCode(-1), "error box matched");
}

std::wstring ProgramDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

TEST(SystemFunctionDeathTest, LibraryBesideTheProgramIsNotUsed) {
    // A real DLL copied next to the program under a name the system lacks.
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring planted = ProgramDirectory() + L"vorn_planted_version.dll";
    // The death test's child runs this too, while the parent holds the copy loaded.
    const bool copied = CopyFileW((std::wstring(system) + L"\\version.dll").c_str(), planted.c_str(), TRUE);
    ASSERT_TRUE(copied || GetLastError() == ERROR_FILE_EXISTS);
    const HMODULE plantedModule = LoadLibraryW(planted.c_str());
    ASSERT_NE(plantedModule, nullptr) << "the planted copy must itself be loadable";

    const auto callPlanted = [] {
        AnswerErrorBoxExpecting(L"“vorn_planted_version.dll”中的输出命令“GetFileVersionInfoSizeW”");
        SystemFunction<decltype(&GetFileVersionInfoSizeW)> size{L"vorn_planted_version.dll",
                                                               "GetFileVersionInfoSizeW"};
        size(L"x", nullptr);
    };
    EXPECT_EXIT(callPlanted(), testing::ExitedWithCode(-1), "error box matched");
    FreeLibrary(plantedModule);
    DeleteFileW(planted.c_str());
}

}  // namespace
}  // namespace vorn::runtime
