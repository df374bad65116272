#include "shell/file_dialogs_win.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shellapi.h>

#include "runtime/base/utf_win.h"

namespace vorn::shell {
namespace {

enum class Purpose { Open, Save };

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// comdlg32 (and the shell parts it pulls in) costs several megabytes and
// milliseconds at start-up, so it is loaded at the first file dialog and
// kept for the rest of the run.
FileDialogFunction DialogFunction(Purpose purpose) {
    static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
    if (library == nullptr) return nullptr;
    return reinterpret_cast<FileDialogFunction>(reinterpret_cast<void (*)()>(
        GetProcAddress(library, purpose == Purpose::Open ? "GetOpenFileNameW" : "GetSaveFileNameW")));
}

std::optional<std::string> FileDialog(HWND owner, const std::string& startFolder, const wchar_t* filter,
                                      const wchar_t* extension, Purpose purpose,
                                      const std::string& suggestedName = {}) {
    // Room for any path the dialog may give back.
    std::vector<wchar_t> chosen(32768, L'\0');
    const std::wstring suggested = runtime::Widen(suggestedName);
    suggested.copy(chosen.data(), std::min(suggested.size(), chosen.size() - 1));
    const std::wstring folder = runtime::Widen(startFolder);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = extension;
    // Relative paths of the program mean its own folder: the dialog must
    // not move the current directory.
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (purpose == Purpose::Open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    const FileDialogFunction show = DialogFunction(purpose);
    if (show == nullptr || !show(&dialog)) return std::nullopt;
    return runtime::Narrow(chosen.data());
}

constexpr wchar_t kCsvFilter[] = L"CSV 文件 (*.csv)\0*.csv\0所有文件 (*.*)\0*.*\0";

int CALLBACK StartAt(HWND dialog, UINT message, LPARAM, LPARAM folder) {
    if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, folder);
    return 0;
}

}  // namespace

std::optional<std::string> ChooseMonsterFile(HWND owner, const std::string& startFolder) {
    return FileDialog(owner, startFolder, L"怪物文件 (*.txt)\0*.txt\0", L"txt", Purpose::Open);
}

std::optional<std::string> ChooseCsvToRead(HWND owner, const std::string& startFolder) {
    return FileDialog(owner, startFolder, kCsvFilter, L"csv", Purpose::Open);
}

std::optional<std::string> ChooseCsvToWrite(HWND owner, const std::string& startFolder,
                                            const std::string& suggestedName) {
    return FileDialog(owner, startFolder, kCsvFilter, L"csv", Purpose::Save, suggestedName);
}

std::optional<std::string> ChooseNameTableFile(HWND owner, const std::string& startFolder) {
    return FileDialog(owner, startFolder,
                      L"名称表 (*.txt;*.csv;*.tsv;*.db)\0*.txt;*.csv;*.tsv;*.db\0所有文件 (*.*)\0*.*\0",
                      nullptr, Purpose::Open);
}

std::optional<std::string> ChooseFolder(HWND owner, const std::string& startFolder) {
    const std::wstring start = runtime::Widen(startFolder);
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = L"选择怪物文件所在的目录（例如服务端的 MonUseItems）";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = StartAt;
    browse.lParam = reinterpret_cast<LPARAM>(start.c_str());
    // The new dialog style needs COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    std::optional<std::string> folder;
    if (chosen != nullptr) {
        std::vector<wchar_t> path(32768, L'\0');
        if (SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT))
            folder = runtime::Narrow(path.data());
        CoTaskMemFree(chosen);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return folder;
}

std::optional<std::string> MoveToRecycleBin(HWND owner, const std::vector<std::string>& paths) {
    // Each path ends with a null, the list with a second one.
    std::wstring list;
    for (const std::string& path : paths) {
        list += runtime::Widen(path);
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    const int result = SHFileOperationW(&operation);
    if (result != 0 || operation.fAnyOperationsAborted)
        return "系统没有完成删除（代码 " + std::to_string(result) + "）";
    return std::nullopt;
}

}  // namespace vorn::shell
