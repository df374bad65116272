// The system's file dialogs and recycle bin, as the program uses them: open
// a monster file, read or write a CSV file, pick a folder, move files to the
// recycle bin. Paths are UTF-8; nothing when the user cancels. The current
// directory stays as it was.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vorn::shell {

// "怪物文件 (*.txt)", starting in `startFolder`.
std::optional<std::string> ChooseMonsterFile(HWND owner, const std::string& startFolder);

// "CSV 文件 (*.csv)" to read.
std::optional<std::string> ChooseCsvToRead(HWND owner, const std::string& startFolder);
// A CSV file to write, suggesting `suggestedName`; replacing one is confirmed.
std::optional<std::string> ChooseCsvToWrite(HWND owner, const std::string& startFolder,
                                            const std::string& suggestedName);

// A name table: a text list, a CSV or TSV table or a Paradox table.
std::optional<std::string> ChooseNameTableFile(HWND owner, const std::string& startFolder);

// A folder, starting at `startFolder`.
std::optional<std::string> ChooseFolder(HWND owner, const std::string& startFolder);

// Moves the files to the recycle bin without asking again; nothing when
// done, else why not.
std::optional<std::string> MoveToRecycleBin(HWND owner, const std::vector<std::string>& paths);

}  // namespace vorn::shell
