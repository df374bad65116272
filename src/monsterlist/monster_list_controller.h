// What the monster list window shows and what its commands do, without the
// window: the monsters of the folder the program works in, narrowed by the
// search text and sorted by a column; opening, copying, starting a new
// monster (through the main window, which asks about its own changes
// first), moving a monster to the recycle bin, choosing another folder,
// and the folder as a CSV file both ways. Platform-free: dialogs and the
// recycle bin come in as functions.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monsterfolder/list_columns.h"
#include "monsterfolder/monster_folder.h"
#include "monsterfolder/row_order.h"
#include "monsterfolder/row_search.h"
#include "profile/file_store.h"
#include "profile/monster_history.h"
#include "runtime/interfaces/box_request.h"

#include "mainwindow/known_names.h"

namespace vorn::mainwindow {
class MainWindowController;
}

namespace vorn::monsterlist {

// The system's dialogs and the recycle bin.
struct ListPlatform {
    // A folder picked, starting at the given one; nothing when cancelled.
    std::function<std::optional<std::string>(const std::string& start)> chooseFolder;
    // A CSV file to read; nothing when cancelled.
    std::function<std::optional<std::string>()> chooseCsvToRead;
    // Where to write a CSV file, suggesting a name; nothing when cancelled.
    std::function<std::optional<std::string>(const std::string& suggested)> chooseCsvToWrite;
    // A name table file to read; nothing when cancelled.
    std::function<std::optional<std::string>()> chooseNameTable;
    // Moves the files to the recycle bin; nothing when done, else why not.
    std::function<std::optional<std::string>(const std::vector<std::string>& paths)> recycle;
};

class MonsterListController {
public:
    MonsterListController(profile::FileStore& files, runtime::BoxService& boxes,
                          mainwindow::MainWindowController& main, ListPlatform platform);

    // Reads the folder again (the main window's folder), keeping the search,
    // the order and, when it is still listed, the selected monster. A folder
    // that cannot be read lists nothing and says why in Summary().
    void Reload();
    const std::string& Folder() const { return folder_; }

    void SetQuery(std::string_view query);
    // Only the monsters whose files have a problem (unknown items among them).
    void ShowProblemsOnly(bool only);
    // By this column; the same column again turns the order round.
    void SortBy(monsterfolder::ListColumn column);
    monsterfolder::ListColumn SortColumn() const { return sortColumn_; }
    bool Ascending() const { return direction_ == monsterfolder::SortDirection::Ascending; }

    // The rows shown, in their order.
    std::size_t ShownCount() const { return shown_.size(); }
    std::string Cell(std::size_t shownRow, monsterfolder::ListColumn column) const;
    bool HasProblem(std::size_t shownRow) const;
    // The shown row of a monster by name, or nothing.
    std::optional<std::size_t> RowOf(std::string_view name) const;
    std::string NameAt(std::size_t shownRow) const;
    // "共 N 个怪物 …", or why the folder could not be read.
    std::string Summary() const;

    // Commands on a shown row; `owner` owns the boxes they show.
    void Open(std::size_t shownRow);
    void Copy(std::size_t shownRow);
    void NewMonster();
    void Delete(std::size_t shownRow, runtime::WindowHandle owner);
    // The kept versions of a shown row's monster, newest first.
    std::vector<profile::HistoryVersion> History(std::size_t shownRow);
    // After asking, puts the version back in place; the files it replaces
    // are kept as a version first.
    void RestoreVersion(std::size_t shownRow, const profile::HistoryVersion& version,
                        runtime::WindowHandle owner);
    void ChangeFolder(runtime::WindowHandle owner);
    void ExportCsv(runtime::WindowHandle owner);
    void ImportCsv(runtime::WindowHandle owner);
    // Points the program at the server's item or monster table.
    void ChooseNameTable(mainwindow::KnownNames::Table which);

private:
    std::string PathOf(std::string_view fileName) const;
    void Refilter();

    profile::FileStore& files_;
    runtime::BoxService& boxes_;
    mainwindow::MainWindowController& main_;
    ListPlatform platform_;

    std::string folder_;
    monsterfolder::FolderReading reading_;
    std::optional<monsterfolder::RowSearch> search_;
    std::string query_;
    bool problemsOnly_ = false;
    monsterfolder::ListColumn sortColumn_ = monsterfolder::ListColumn::Name;
    monsterfolder::SortDirection direction_ = monsterfolder::SortDirection::Ascending;
    std::vector<std::size_t> shown_;  // indices into reading_.rows
};

}  // namespace vorn::monsterlist
