// msg_box_bench.exe [boxes] [VornMonsterTool.exe]
//
// The skinned message box's timing, in this process over an owner window:
// the time from ShowBox to an interactive box (the opening animation over:
// the window shrinks from the zoom surface to the box), the time from a
// close request to ShowBox returning (the closing animation and the window's
// end), both with the 16 ms and the 18 ms ticks; the CPU time spent meanwhile
// (the box's own thread, and the whole process with the watching thread),
// during the opening animation (the window first shown to interactive), the
// whole opening (ShowBox to interactive: building the box's pictures too) and
// the closing; and this process's CPU use while one box sits open and idle
// for 10 s. Beside the animations' CPU, its floor: as many bare
// UpdateLayeredWindow calls on a window of the box's surface size at the
// same ticks. Given the program, also the
// program's own CPU use over 10 s idle, and over 10 s with its exit question
// open.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

double Ms(const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           10000.0;
}

double CpuMsOf(HANDLE process) {
    FILETIME created{}, ended{}, kernel{}, user{};
    GetProcessTimes(process, &created, &ended, &kernel, &user);
    return Ms(kernel) + Ms(user);
}

// The CPU time of the thread that made it, readable from any thread. Under
// Wine on Linux from the kernel's scheduler statistics of that thread's task
// (in nanoseconds): Wine's thread times count 10 ms clock ticks sampled when
// the timer interrupt finds the thread running, too coarse and, for a thread
// that wakes on a timer every 16 ms, biased. The task is found among the
// tasks of this program's process as the one whose time grows while this
// thread spins. Elsewhere (or when it is not found) GetThreadTimes.
class ThreadClock {
public:
    ThreadClock() {
        DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &thread_,
                        THREAD_QUERY_INFORMATION, FALSE, 0);
        FindTask();
    }
    ~ThreadClock() {
        if (thread_) CloseHandle(thread_);
    }
    ThreadClock(const ThreadClock&) = delete;
    ThreadClock& operator=(const ThreadClock&) = delete;

    const char* Source() const {
        return schedstat_.empty() ? "GetThreadTimes" : "the kernel's scheduler statistics of its task";
    }
    double Ms() const {
        if (!schedstat_.empty()) return RunMs(schedstat_);
        FILETIME created{}, ended{}, kernel{}, user{};
        GetThreadTimes(thread_, &created, &ended, &kernel, &user);
        return ::Ms(kernel) + ::Ms(user);
    }

private:
    static std::string ReadText(const std::wstring& path) {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return {};
        char text[256] = {};
        DWORD read = 0;
        ReadFile(file, text, sizeof(text) - 1, &read, nullptr);
        CloseHandle(file);
        return std::string(text, read);
    }
    // The first number of a schedstat file: time on a processor, in ns.
    static double RunMs(const std::wstring& schedstat) {
        const std::string text = ReadText(schedstat);
        return text.empty() ? -1 : std::strtod(text.c_str(), nullptr) / 1e6;
    }
    static std::vector<std::wstring> Numbered(const std::wstring& folder) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (found.cFileName[0] >= L'0' && found.cFileName[0] <= L'9') names.push_back(found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    void FindTask() {
        // Linux keeps the first 15 characters of the program's name.
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring name = path;
        name = name.substr(name.find_last_of(L"\\/") + 1).substr(0, 15);
        const std::string comm(name.begin(), name.end());
        std::vector<std::wstring> tasks;
        for (const std::wstring& pid : Numbered(L"Z:\\proc")) {
            const std::string text = ReadText(L"Z:\\proc\\" + pid + L"\\comm");
            if (text.rfind(comm, 0) != 0) continue;
            for (const std::wstring& tid : Numbered(L"Z:\\proc\\" + pid + L"\\task"))
                tasks.push_back(L"Z:\\proc\\" + pid + L"\\task\\" + tid + L"\\schedstat");
        }
        std::vector<double> before;
        for (const std::wstring& task : tasks) before.push_back(RunMs(task));
        const double start = NowMs();
        while (NowMs() - start < 60) {
        }
        // The one that grew most, when it alone grew much.
        double most = 0, second = 0;
        std::size_t found = tasks.size();
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            const double grew = before[i] < 0 ? 0 : RunMs(tasks[i]) - before[i];
            if (grew > most) {
                second = most;
                most = grew;
                found = i;
            } else {
                second = std::max(second, grew);
            }
        }
        if (found < tasks.size() && most > 20 && second < most / 4) schedstat_ = tasks[found];
    }

    HANDLE thread_ = nullptr;
    std::wstring schedstat_;
};

// CPU time of the box's thread (the one that calls ShowBox) and of the whole
// process at one moment.
struct CpuMark {
    double thread = 0;
    double process = 0;
};

CpuMark CpuNow(const ThreadClock& uiThread) { return CpuMark{uiThread.Ms(), CpuMsOf(GetCurrentProcess())}; }

// CPU time spent over a number of intervals, against their length.
struct CpuSpent {
    double wallMs = 0;
    double threadMs = 0;
    double processMs = 0;
    void Add(const CpuMark& from, const CpuMark& to, double wall) {
        wallMs += wall;
        threadMs += to.thread - from.thread;
        processMs += to.process - from.process;
    }
    void Add(const CpuSpent& other) {
        wallMs += other.wallMs;
        threadMs += other.threadMs;
        processMs += other.processMs;
    }
    double ThreadPercent() const { return wallMs > 0 ? 100.0 * threadMs / wallMs : 0; }
    double ProcessPercent() const { return wallMs > 0 ? 100.0 * processMs / wallMs : 0; }
};

SIZE SizeOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

struct Run {
    double shownMs = 0;  // ShowBox to the window's first frame
    double openMs = 0;
    double closeMs = 0;
    double idleCpuPercent = -1;
    SIZE surface{};  // the largest the window was: the zoom surface
    // Where the CPU went: the whole opening, the opening animation alone
    // (from the window first shown), the closing.
    CpuSpent opening, animation, closing;
};

// Opens a box and watches it from a second thread (window handles and
// rectangles may be read from any thread): notes when it is first shown and
// when it has opened, optionally waits while it sits idle, then asks it to
// close. `uiThread` is this (the calling) thread's clock.
Run Measure(skin::PellumMsgBox& box, const runtime::BoxRequest& request, DWORD idleMs,
            const ThreadClock& uiThread) {
    Run run;
    double closeRequested = 0;
    CpuMark closeCpu;
    const CpuMark startCpu = CpuNow(uiThread);
    const double start = NowMs();
    std::thread watcher([&] {
        HWND window = nullptr;
        while (!(window = FindWindowW(skin::kMsgBoxClass, nullptr))) Sleep(1);
        while (IsWindow(window) && !IsWindowVisible(window)) Sleep(1);
        const double shown = NowMs();
        const CpuMark shownCpu = CpuNow(uiThread);
        run.shownMs = shown - start;
        LONG largest = 0;
        for (;;) {
            const SIZE size = SizeOf(window);
            largest = std::max(largest, size.cx);
            if (size.cx == largest) run.surface = size;
            if (largest - size.cx == 2 * skin::kMsgBoxZoomMargin) break;
            Sleep(1);
        }
        const double opened = NowMs();
        const CpuMark openedCpu = CpuNow(uiThread);
        run.openMs = opened - start;
        run.opening.Add(startCpu, openedCpu, opened - start);
        run.animation.Add(shownCpu, openedCpu, opened - shown);
        if (idleMs > 0) {
            const double cpu = CpuMsOf(GetCurrentProcess());
            Sleep(idleMs);
            run.idleCpuPercent = 100.0 * (CpuMsOf(GetCurrentProcess()) - cpu) / idleMs;
        }
        closeCpu = CpuNow(uiThread);
        closeRequested = NowMs();
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
    box.ShowBox(request);  // returns once the watcher's request has closed it
    const double end = NowMs();
    const CpuMark endCpu = CpuNow(uiThread);
    watcher.join();
    run.closeMs = end - closeRequested;
    run.closing.Add(closeCpu, endCpu, run.closeMs);
    return run;
}

// The floor under the animations' CPU: 15 bare UpdateLayeredWindow calls,
// each with the next opacity, on a layered window of the box's surface size
// at the same ticks, as the surface makes them (the window's DC taken for
// each), with nothing drawn or scaled in between.
CpuSpent LayeredUpdateFloor(SIZE surface, int tickMs, const ThreadClock& uiThread) {
    CpuSpent spent;
    const HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", nullptr, WS_POPUP,
                                        150, 150, surface.cx, surface.cy, nullptr, nullptr, nullptr, nullptr);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), surface.cx, surface.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!window || !dib) return spent;
    const HGDIOBJ previous = SelectObject(memory, dib);
    std::fill_n(static_cast<DWORD*>(bits), surface.cx * surface.cy, 0xC0604020u);  // premultiplied
    POINT source{0, 0};
    const auto update = [&](int step) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(120 + 9 * step), AC_SRC_ALPHA};
        const HDC dc = GetDC(window);
        UpdateLayeredWindow(window, dc, nullptr, &surface, memory, &source, 0,
                            const_cast<BLENDFUNCTION*>(&blend), ULW_ALPHA);
        ReleaseDC(window, dc);
    };
    update(0);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const CpuMark before = CpuNow(uiThread);
    const double start = NowMs();
    const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(tickMs), nullptr);
    MSG message;
    for (int step = 1; step < 15 && GetMessageW(&message, nullptr, 0, 0) > 0;) {
        if (message.message == WM_TIMER && message.hwnd == nullptr)
            update(step++);
        else
            DispatchMessageW(&message);
    }
    KillTimer(nullptr, timer);
    spent.Add(before, CpuNow(uiThread), NowMs() - start);
    SelectObject(memory, previous);
    DeleteObject(dib);
    DeleteDC(memory);
    DestroyWindow(window);
    return spent;
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

    // The box's thread, for its CPU time.
    const ThreadClock uiThread;
    std::printf("the box's thread's CPU time from %s\n", uiThread.Source());
    Measure(box, request, 0, uiThread);  // warm-up: first use of the fonts and pictures
    for (const bool slow : {false, true}) {
        request.slowAnimation = slow;
        const int tick = slow ? 18 : 16;
        const int ideal = 15 * tick;
        std::vector<double> shown, open, close;
        SIZE surface{};
        CpuSpent opening, animation, closing;
        const double cpuBefore = CpuMsOf(GetCurrentProcess()), timeBefore = NowMs();
        for (int i = 0; i < boxes; ++i) {
            const Run run = Measure(box, request, 0, uiThread);
            shown.push_back(run.shownMs);
            open.push_back(run.openMs);
            close.push_back(run.closeMs);
            opening.Add(run.opening);
            animation.Add(run.animation);
            closing.Add(run.closing);
            surface = run.surface;
        }
        CpuSpent floor;
        for (int i = 0; i < boxes; ++i) floor.Add(LayeredUpdateFloor(surface, tick, uiThread));
        const auto within = [ideal](double ms) { return ms >= ideal * 0.95 && ms <= ideal * 1.05; };
        std::printf("%d ms ticks, %d boxes: opening median %.1f ms (min %.1f, max %.1f), closing median %.1f ms "
                    "(min %.1f, max %.1f); ideal 15 x %d = %d ms, target +- 5%% (%.0f..%.0f ms): "
                    "opening %s, closing %s\n",
                    tick, boxes, Median(open), *std::min_element(open.begin(), open.end()),
                    *std::max_element(open.begin(), open.end()), Median(close),
                    *std::min_element(close.begin(), close.end()), *std::max_element(close.begin(), close.end()),
                    tick, ideal, ideal * 0.95, ideal * 1.05, within(Median(open)) ? "met" : "NOT met",
                    within(Median(close)) ? "met" : "NOT met");
        std::printf("  first frame shown %.1f ms after ShowBox (median)\n", Median(shown));
        std::printf("  CPU (%% of one core; box's thread / whole process, target under 10 %%): "
                    "opening animation %.1f / %.1f, closing %.1f / %.1f; whole opening from ShowBox "
                    "(building the box included) %.1f / %.1f\n",
                    animation.ThreadPercent(), animation.ProcessPercent(), closing.ThreadPercent(),
                    closing.ProcessPercent(), opening.ThreadPercent(), opening.ProcessPercent());
        std::printf("  floor: 15 bare UpdateLayeredWindow calls on a %ld x %ld layered window at these "
                    "ticks, nothing drawn: %.1f / %.1f\n",
                    surface.cx, surface.cy, floor.ThreadPercent(), floor.ProcessPercent());
        std::printf("  CPU while the boxes open and close, all included: %.1f %% of one core\n",
                    100.0 * (CpuMsOf(GetCurrentProcess()) - cpuBefore) / (NowMs() - timeBefore));
    }
    request.slowAnimation = true;
    const Run idle = Measure(box, request, 10000, uiThread);
    std::printf("CPU of this process while one box sits open for 10 s: %.2f %% of one core "
                "(target under 1 %%)\n",
                idle.idleCpuPercent);
    DestroyWindow(owner);
    if (argc > 2) MeasureProgram(argv[2]);
    return 0;
}
