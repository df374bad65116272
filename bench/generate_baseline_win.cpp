#include <windows.h>

#include "generate_baseline.h"
#include "runtime/base/utf_win.h"

namespace {

bool WriteNew(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

}  // namespace

bool ReadBare(const std::string& path, std::string& bytes) {
    HANDLE file = CreateFileW(vorn::runtime::Widen(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.resize(64 * 1024);
    DWORD got = 0;
    const bool ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    CloseHandle(file);
    return ok;
}

bool ReplaceBare(const std::string& path, const std::string& bytes, const std::string& keepAs) {
    const std::wstring target = vorn::runtime::Widen(path);
    if (!keepAs.empty()) {
        std::string old;
        if (!ReadBare(path, old) || !WriteNew(vorn::runtime::Widen(keepAs), old)) return false;
    }
    const std::wstring temporary = target + L".tmp";
    return WriteNew(temporary, bytes) &&
           MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool RemoveBare(const std::string& path) { return DeleteFileW(vorn::runtime::Widen(path).c_str()); }
