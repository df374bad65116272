#include "e2e/user_input.h"

#include <thread>
#include <vector>

namespace vorn::e2e {
namespace {

// A short pause between events, so the receiving queue sees them as separate
// moves and presses, as from a hand.
void Pause() { Sleep(15); }

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyEvent(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT UnicodeEvent(wchar_t character, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

void TypeCharacter(wchar_t character) {
    const SHORT mapped = VkKeyScanW(character);
    const bool onLayout = mapped != -1 && (HIBYTE(mapped) & ~1) == 0;  // at most Shift
    if (!onLayout) {
        Send({UnicodeEvent(character, false), UnicodeEvent(character, true)});
        return;
    }
    const WORD key = LOBYTE(mapped);
    if (HIBYTE(mapped) & 1)
        PressChord(VK_SHIFT, key);
    else
        PressKey(key);
}

}  // namespace

bool BringToFront(HWND topLevel) {
    // Under Wine the foreground can still change for a moment after a box or
    // dialog went (its focus events come late from the X server), and a key
    // pressed then is lost: the window must stay in front for a while first.
    constexpr int kSettledChecks = 5;  // 20 ms apart
    int settled = 0;
    for (int attempt = 0; attempt < 60; ++attempt) {
        if (GetForegroundWindow() == topLevel) {
            if (++settled >= kSettledChecks) return true;
            Sleep(20);
            continue;
        }
        settled = 0;
        // Windows lets a process change the foreground only in some states;
        // sharing the input state of the current foreground thread lifts
        // that. (No Alt-tap trick: the Alt key would open the target's
        // system-menu mode and swallow the next click.)
        const DWORD foregroundThread =
            GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
        const DWORD ownThread = GetCurrentThreadId();
        const bool attached = foregroundThread && foregroundThread != ownThread &&
                              AttachThreadInput(ownThread, foregroundThread, TRUE);
        SetForegroundWindow(topLevel);
        if (attached) AttachThreadInput(ownThread, foregroundThread, FALSE);
        Sleep(20);
    }
    return GetForegroundWindow() == topLevel;
}

void TypeText(std::wstring_view text) {
    for (wchar_t character : text) TypeCharacter(character);
}

void PressKey(WORD virtualKey) {
    Send({KeyEvent(virtualKey, false)});
    Pause();
    Send({KeyEvent(virtualKey, true)});
    Pause();
}

void PressChord(WORD modifier, WORD virtualKey) {
    Send({KeyEvent(modifier, false)});
    Pause();
    PressKey(virtualKey);
    Send({KeyEvent(modifier, true)});
    Pause();
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace vorn::e2e
