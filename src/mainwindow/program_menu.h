// The menu of the program's icon in the caption: the file commands with
// their shortcuts, the recent monster files numbered for the keyboard, and
// the help page. Platform-free: the shell shows it and runs the choice.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::mainwindow {

enum class MenuCommand : int {
    None = 0,
    NewMonster = 1,
    Open = 2,
    Generate = 3,
    Help = 4,
    MonsterList = 5,
    // Recent file i (from 0) is FirstRecent + i.
    FirstRecent = 100,
};

struct ProgramMenuEntry {
    std::string text;      // "&" marks the key; empty: a separator
    std::string shortcut;  // right-hand column: a key, or a recent file's folder
    int command = 0;
    bool enabled = true;
};

std::vector<ProgramMenuEntry> ProgramMenuEntries(std::span<const std::string> recentFiles);

// A folder path cut to about `maxCharacters` characters: the drive or first
// folder, "…", and as many of the last folders as fit.
std::string ShortenedFolder(std::string_view folder, std::size_t maxCharacters);

}  // namespace vorn::mainwindow
