// Reading a list view of another process: its row count and the text of a
// cell, copied through memory lent in that process.
#pragma once

#include <windows.h>

#include <string>

namespace vorn::e2e {

int ListRowCount(HWND list);
std::string ListCellText(HWND list, int row, int column);  // UTF-8

}  // namespace vorn::e2e
