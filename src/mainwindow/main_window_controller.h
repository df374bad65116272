// Receives every event of MainWindow and runs its handler. The handlers keep no
// model of their own: they read and write the controls through the services.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mainwindow/change_tracker.h"
#include "mainwindow/generate_monster_files.h"
#include "mainwindow/kept_from_file.h"
#include "mainwindow/known_names.h"
#include "mainwindow/program_settings.h"
#include "mainwindow/unsaved_changes.h"
#include "profile/seen_monster_files.h"
#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/close_notification.h"
#include "runtime/interfaces/completion_list.h"
#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/events.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/interfaces/system_services.h"

namespace vorn::profile {
class FileStore;
}
namespace vorn::settings {
class SettingsStore;
}

namespace vorn::mainwindow {

struct Services {
    runtime::PropertyAccess& properties;
    runtime::ControlCommands& commands;
    runtime::BoxService& boxes;
    runtime::Clock& clock;
    runtime::SoundPlayer& sound;
    runtime::WebOpener& web;
    runtime::ProgramControl& program;
    profile::FileStore& files;
};

class MainWindowController final : public runtime::EventSink {
public:
    explicit MainWindowController(const Services& services) : services_(services) {}

    // Events of other windows and events nobody handles are ignored. Nothing
    // thrown inside a handler leaves this call.
    void OnEvent(const runtime::Event& event) override;

    // The main window's close request and destruction (runtime's close
    // notifications): kKeepWindowOpen or kLetWindowClose. With changes the
    // close asks the unsaved-changes question (Leaving::Closing), otherwise
    // the exit question.
    int CloseHandler(runtime::WindowHandle window, unsigned message);

    // Click routines of the drawn items that replace 标签_关于, 标签_空间 and
    // 按钮_保存 (those controls are destroyed when the window is skinned):
    // the about box, the author page, generating the monster files. A
    // generation clears the changes and puts the file first among the recent ones.
    void AboutItemClicked();
    void AuthorItemClicked();
    void GenerateItemClicked();

    // Opens a monster file into the window (see OpenMonsterFile): the file
    // named on the command line, or the files dropped on the window, of which
    // only the first is opened and the tip line says so. What the window has
    // no control for is kept for the next generation, replacing what an
    // earlier file left; a file that cannot be opened changes nothing. With
    // changes, the unsaved-changes question comes first and may stop it; an
    // opened file clears the changes and goes first among the recent files.
    void OpenMonsterFile(std::string_view path);
    void OpenFirstMonsterFile(const std::vector<std::string>& paths);
    // The open command: after the unsaved-changes question, `chooseFile` (the
    // open dialog) names the file, or nothing when the user cancels it.
    void OpenChosenFile(const std::function<std::optional<std::string>()>& chooseFile);
    // A file picked from the recent files. One that no longer exists is said
    // so in a box and leaves the list; nothing is asked for it.
    void OpenRecentFile(std::string_view path);

    // The copy command of the monster list: opens the file as OpenMonsterFile
    // does, then gives the name box the focus with the name selected, for the
    // copy's name to be typed; everything the file holds goes with the copy.
    void CopyMonsterFile(std::string_view path);

    // Told after the program wrote monster files (a generation), for a list
    // of the folder to read it again. Replaces an earlier listener.
    void SetFilesWrittenListener(std::function<void()> listener) { filesWritten_ = std::move(listener); }

    // The new-monster command: after the unsaved-changes question, every
    // control back to its start-up state, nothing kept of an opened file.
    void NewMonster();

    // Reads the settings file once, at start-up, after the window exists:
    // the recent files come from it, and an unusable file is named in the tip
    // line. Without it the recent files are kept for this run only.
    void UseSettings(settings::SettingsStore& store);
    // The folder the program works in: the one chosen for the monster list
    // (remembered in the settings), else MonUseItems beside the program. New
    // monsters are generated into it; an opened monster goes back to the
    // folder it came from.
    std::string MonsterFolder() const;
    void ChooseMonsterFolder(std::string_view folder);
    // The server's name tables: read from the file, remembered in the
    // settings and used at once; a file that cannot be used is said so in
    // a box and the table held before stays.
    void ChooseNameTable(KnownNames::Table which, const std::string& path);
    // Where completions of slot names are offered while one is typed; none:
    // no completion. Taking one writes it into the box.
    void SetCompletionList(runtime::CompletionList* list) { completion_ = list; }
    void TakeCompletion(runtime::ControlId nameBox, const std::string& item);
    // Whether an item is in the item table (or there is none).
    bool KnowsItem(std::string_view item) const { return names_.Knows(KnownNames::Table::Items, item); }
    bool KnowsMonster(std::string_view name) const {
        return names_.Knows(KnownNames::Table::Monsters, name);
    }
    // "yyyyMMdd-HHmmss" of now: names the history version a write keeps.
    std::string VersionStamp();
    // The recent files, most recent first, for a menu to offer.
    const std::vector<std::string>& RecentFiles() const { return settings_.Paths(); }

    // Whether the fields were edited since the monster was opened, generated
    // or started new.
    bool HasChanges() const { return changes_.HasChanges(); }
    // The caption the window shows now (see WindowCaption).
    std::string Caption();
    // Told the new caption whenever it changes: the name was edited, or the
    // changes came or went. Replaces an earlier listener.
    void SetCaptionListener(std::function<void(const std::string&)> listener);

    static constexpr unsigned kCloseMessage = runtime::kCloseRequestMessage;
    static constexpr unsigned kDestroyMessage = runtime::kDestroyedMessage;

private:
    void Dispatch(const runtime::Event& event);
    // Whether what the user asked may go on: without changes at once; with
    // them, after the question, and after generating when that was the answer
    // (a failed generation stops it).
    bool MayLeave(Leaving leaving, runtime::WindowHandle owner);
    bool Generate();
    void Open(std::string_view path, std::string_view tipNote = {});
    void CaptionMayHaveChanged();
    OutputFolder TargetFolder() const;
    // Slot names the item table lacks wear the warning colour; the others
    // their own. Answers the unknown names, in slot order.
    std::vector<std::string> MarkUnknownItems();
    // With unknown names, asks whether to generate anyway; true to go on.
    bool MayGenerateWithUnknownNames();
    // A slot name box was left: the tip line names its item if the table lacks it.
    void TellIfUnknown(runtime::ControlId nameBox);
    // The item names that complete what the box holds, offered under it.
    void OfferCompletions(runtime::ControlId nameBox);

    Services services_;
    // Answers of the boxes the handlers open. The program takes no decision on
    // them, but keeps the last one of each kind.
    runtime::BoxAnswer slotTipAnswer_ = 0;
    runtime::BoxAnswer aboutAnswer_ = 0;
    // What the monster file opened last holds beyond the window's controls.
    std::optional<KeptFromFile> keptFromFile_;
    // The folder of the monster file opened last, until a new monster starts.
    std::optional<std::string> openedFolder_;
    // The monster's files as this window last opened or wrote them.
    std::optional<profile::SeenMonsterFiles> seen_;
    ChangeTracker changes_;
    // Above 0 while a command of the controller writes the fields itself:
    // those writes are no edits.
    int ownWrites_ = 0;
    ProgramSettings settings_;
    KnownNames names_;
    runtime::CompletionList* completion_ = nullptr;
    std::function<void(const std::string&)> captionListener_;
    std::string caption_;  // as last told
    std::function<void()> filesWritten_;
};

}  // namespace vorn::mainwindow
