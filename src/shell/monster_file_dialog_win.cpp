#include "shell/monster_file_dialog_win.h"

#include <commdlg.h>

#include <vector>

#include "runtime/base/utf_win.h"

namespace vorn::shell {

std::optional<std::string> ChooseMonsterFile(HWND owner, const std::string& startFolder) {
    // Room for any path the dialog may give back.
    std::vector<wchar_t> chosen(32768, L'\0');
    const std::wstring folder = runtime::Widen(startFolder);
    static constexpr wchar_t kFilter[] = L"怪物文件 (*.txt)\0*.txt\0";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = L"txt";
    // Relative paths of the program mean its own folder: the dialog must
    // not move the current directory.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return runtime::Narrow(chosen.data());
}

}  // namespace vorn::shell
