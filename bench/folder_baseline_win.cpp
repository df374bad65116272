#include <windows.h>

#include <cwchar>

#include "folder_baseline.h"
#include "runtime/base/utf_win.h"

namespace {

// The same files the list reads: "*.txt" but not "*-Item.txt".
bool IsMonsterFile(const wchar_t* name) {
    const std::size_t length = wcslen(name);
    const auto endsWith = [&](const wchar_t* tail) {
        const std::size_t size = wcslen(tail);
        return length >= size && _wcsicmp(name + length - size, tail) == 0;
    };
    return endsWith(L".txt") && !endsWith(L"-Item.txt");
}

}  // namespace

// FindFirstFileW to list, CreateFileW + ReadFile to read, as a program with
// no layers between it and Win32 would.
BareReading ReadFolderBare(const std::string& folder) {
    BareReading reading;
    const std::wstring prefix = vorn::runtime::Widen(folder) + L"\\";
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return reading;
    static char block[1 << 16];
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsMonsterFile(found.cFileName))
            continue;
        const HANDLE file = CreateFileW((prefix + found.cFileName).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD got = 0;
        while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0) reading.bytes += got;
        CloseHandle(file);
        ++reading.files;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return reading;
}
