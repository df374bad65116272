// msg_box_bench.exe [boxes] [VornMonsterTool.exe]
//
// The skinned message box's timing, in this process over an owner window:
// the time from ShowBox to an interactive box (the opening animation over:
// the window shrinks from the zoom surface to the box), the time from a
// close request to ShowBox returning (the closing animation and the window's
// end), both with the 16 ms and the 18 ms ticks, and this process's CPU use
// while one box sits open and idle for 10 s. Given the program, also the
// program's own CPU use over 10 s idle, and over 10 s with its exit question
// open.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include "mainwindow/program_assets.h"
#include "runtime/interfaces/box_request.h"
#include "skin/skin_state_win.h"
#include "skin/windows/pellum_msg_box_win.h"

namespace {

using namespace vorn;

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuMsOf(HANDLE process) {
    FILETIME created{}, ended{}, kernel{}, user{};
    GetProcessTimes(process, &created, &ended, &kernel, &user);
    const auto value = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (value(kernel) + value(user)) / 10000.0;
}

SIZE SizeOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

struct Run {
    double openMs = 0;
    double closeMs = 0;
    double idleCpuPercent = -1;
};

// Opens a box and watches it from a second thread (window handles and
// rectangles may be read from any thread): notes when it has opened,
// optionally waits while it sits idle, then asks it to close.
Run Measure(skin::PellumMsgBox& box, const runtime::BoxRequest& request, DWORD idleMs) {
    Run run;
    double closeRequested = 0;
    const double start = NowMs();
    std::thread watcher([&] {
        HWND window = nullptr;
        while (!(window = FindWindowW(skin::kMsgBoxClass, nullptr))) Sleep(1);
        LONG largest = 0;
        for (;;) {
            const SIZE size = SizeOf(window);
            largest = std::max(largest, size.cx);
            if (largest - size.cx == 2 * skin::kMsgBoxZoomMargin) break;
            Sleep(1);
        }
        run.openMs = NowMs() - start;
        if (idleMs > 0) {
            const double cpu = CpuMsOf(GetCurrentProcess());
            Sleep(idleMs);
            run.idleCpuPercent = 100.0 * (CpuMsOf(GetCurrentProcess()) - cpu) / idleMs;
        }
        closeRequested = NowMs();
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
    box.ShowBox(request);  // returns once the watcher's request has closed it
    const double end = NowMs();
    watcher.join();
    run.closeMs = end - closeRequested;
    return run;
}

struct ProcessWindows {
    DWORD processId;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ProcessWindows*>(context);
    DWORD owner = 0;
    wchar_t name[64] = {};
    GetWindowThreadProcessId(window, &owner);
    GetClassNameW(window, name, 64);
    if (owner != search->processId || !IsWindowVisible(window) || std::wcscmp(name, search->className) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND AwaitWindow(DWORD processId, const wchar_t* className) {
    for (int i = 0; i < 30000; ++i) {
        ProcessWindows search{processId, className};
        EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(1);
    }
    return nullptr;
}

double CpuPercentOver(HANDLE process, DWORD ms) {
    const double before = CpuMsOf(process);
    Sleep(ms);
    return 100.0 * (CpuMsOf(process) - before) / ms;
}

// The real program: idle, then with its exit question open (asked with the
// window's close request, as from the taskbar).
void MeasureProgram(const wchar_t* path) {
    std::wstring commandLine = std::wstring(L"\"") + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        std::fwprintf(stderr, L"cannot start %ls\n", path);
        return;
    }
    CloseHandle(info.hThread);
    const HWND main = AwaitWindow(info.dwProcessId, L"VornMainWindow");
    if (main) {
        Sleep(2000);  // start-up work after showing
        const double idle = CpuPercentOver(info.hProcess, 10000);
        PostMessageW(main, WM_CLOSE, 0, 0);
        if (const HWND question = AwaitWindow(info.dwProcessId, skin::kMsgBoxClass)) {
            Sleep(1000);  // opened
            const double open = CpuPercentOver(info.hProcess, 10000);
            std::printf("the program's CPU over 10 s: idle %.2f %%, with its exit question open %.2f %% "
                        "of one core (target under 1 %%)\n",
                        idle, open);
            (void)question;
        }
    }
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int boxes = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    skin::SkinState skin;
    skin::InitSkin(skin, mainwindow::AssetBytes(mainwindow::kBackgroundJpeg), false, true);
    skin::LoadControlImages(skin);
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 533, 320,
                                 nullptr, nullptr, nullptr, nullptr);
    skin::PellumMsgBox box(skin);

    runtime::BoxRequest request;
    request.owner = reinterpret_cast<runtime::WindowHandle>(owner);
    request.title = "关闭程序";
    request.message = "是否关闭当前程序？\r\n2026年12月8日3时14分";
    request.centreHorizontally = request.centreVertically = true;
    request.icon = runtime::icon::kQuestion;
    request.tinted = true;
    request.captions = {"不想退出", "确定退出"};
    request.defaultButton = 1;

    Measure(box, request, 0);  // warm-up: first use of the fonts and pictures
    for (const bool slow : {false, true}) {
        request.slowAnimation = slow;
        const int tick = slow ? 18 : 16;
        std::vector<double> open, close;
        const double cpuBefore = CpuMsOf(GetCurrentProcess()), timeBefore = NowMs();
        for (int i = 0; i < boxes; ++i) {
            const Run run = Measure(box, request, 0);
            open.push_back(run.openMs);
            close.push_back(run.closeMs);
        }
        std::printf("%d ms ticks, %d boxes: opening median %.1f ms (min %.1f, max %.1f), closing median %.1f ms "
                    "(min %.1f, max %.1f); target 15 x %d = %d ms +- 15%%\n",
                    tick, boxes, Median(open), *std::min_element(open.begin(), open.end()),
                    *std::max_element(open.begin(), open.end()), Median(close),
                    *std::min_element(close.begin(), close.end()), *std::max_element(close.begin(), close.end()),
                    tick, 15 * tick);
        std::printf("  CPU while the boxes open and close: %.1f %% of one core\n",
                    100.0 * (CpuMsOf(GetCurrentProcess()) - cpuBefore) / (NowMs() - timeBefore));
    }
    request.slowAnimation = true;
    const Run idle = Measure(box, request, 10000);
    std::printf("CPU of this process while one box sits open for 10 s: %.2f %% of one core "
                "(target under 1 %%)\n",
                idle.idleCpuPercent);
    DestroyWindow(owner);
    if (argc > 2) MeasureProgram(argv[2]);
    return 0;
}
