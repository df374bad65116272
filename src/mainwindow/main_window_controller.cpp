#include "mainwindow/main_window_controller.h"

#include <utility>

#include "mainwindow/about_box.h"
#include "mainwindow/clock_tick.h"
#include "mainwindow/control_ids.h"
#include "mainwindow/exit_confirmation.h"
#include "mainwindow/field_editing.h"
#include "mainwindow/help_page.h"
#include "mainwindow/slot_names.h"
#include "runtime/base/error_report.h"
#include "mainwindow/equip_slot.h"
#include "mainwindow/generate_monster_files.h"
#include "mainwindow/new_monster.h"
#include "mainwindow/open_monster_file.h"
#include "mainwindow/tip_boxes.h"
#include "mainwindow/tip_line.h"
#include "mainwindow/window_caption.h"

namespace vorn::mainwindow {
namespace {

using runtime::EventKind;

constexpr int kEnterKey = 13;

// Every entry point is reached from a window procedure or a skin callback, so
// nothing may escape: a failed handler leaves the window as it is.
template <typename Handler>
void Guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (...) {
        runtime::ReportCaughtException("a main-window handler");
    }
}

// Marks the controller's own writes to the fields for as long as it lives.
class OwnWrites {
public:
    explicit OwnWrites(int& depth) : depth_(depth) { ++depth_; }
    ~OwnWrites() { --depth_; }
    OwnWrites(const OwnWrites&) = delete;
    OwnWrites& operator=(const OwnWrites&) = delete;

private:
    int& depth_;
};

}  // namespace

void MainWindowController::OnEvent(const runtime::Event& event) {
    if (event.window != kMainWindowId) return;
    Guarded([&] {
        Dispatch(event);
        // The clock's tick is the one event that never touches a field.
        if (ownWrites_ > 0 || event.kind == EventKind::PeriodElapsed) return;
        changes_.Notice(services_.properties);
        CaptionMayHaveChanged();
    });
}

void MainWindowController::Dispatch(const runtime::Event& event) {
    Services& s = services_;
    switch (event.kind) {
        case EventKind::Clicked:
            if (const mainwindow::EquipSlot* slot = mainwindow::FindSlotByButton(event.control))
                UnlockSlotName(s.properties, s.commands, s.sound, slot->nameBox);
            return;
        case EventKind::KeyPressed:
            if (const mainwindow::EquipSlot* slot = mainwindow::FindSlotByNameBox(event.control)) {
                if (event.argument == kEnterKey)
                    slotTipAnswer_ =
                        ConfirmSlotName(s.properties, s.commands, s.boxes, slot->nameBox);
                return;
            }
            break;
        case EventKind::FocusLost:
            if (const mainwindow::EquipSlot* slot = mainwindow::FindSlotByNameBox(event.control))
                LockSlotName(s.properties, slot->nameBox);
            return;
        case EventKind::PeriodElapsed:
            if (event.control == id::kClockTimer) ClockTick(s.properties, s.clock);
            return;
        default:
            break;
    }
    HandleFieldEvent(s.properties, event);
}

void MainWindowController::AboutItemClicked() {
    Guarded([&] { aboutAnswer_ = ShowAbout(services_.commands, services_.boxes); });
}

void MainWindowController::AuthorItemClicked() {
    Guarded([&] { services_.web.Open(HelpPageUrl(services_.program.ProgramDirectory())); });
}

void MainWindowController::GenerateItemClicked() {
    Guarded([&] { Generate(); });
}

bool MainWindowController::Generate() {
    Services& s = services_;
    std::optional<std::string> written;
    {
        const OwnWrites own(ownWrites_);
        written = mainwindow::GenerateMonsterFiles(s.properties, s.files, s.boxes,
                                                   s.commands.HandleOf(kMainWindowId),
                                                   TargetFolder(), keptFromFile_ ? &*keptFromFile_ : nullptr);
    }
    if (written) {
        changes_.Reset(s.properties);
        settings_.Remember(*written, s.properties);
        if (filesWritten_) filesWritten_();
    }
    CaptionMayHaveChanged();
    return written.has_value();
}

void MainWindowController::OpenMonsterFile(std::string_view path) {
    OpenFirstMonsterFile({std::string(path)});
}

void MainWindowController::OpenFirstMonsterFile(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    Guarded([&] {
        if (!MayLeave(Leaving::OpeningFile, services_.commands.HandleOf(kMainWindowId))) return;
        const std::string note =
            paths.size() > 1
                ? "（共 " + std::to_string(paths.size()) + " 个文件，只打开了第一个）"
                : std::string();
        Open(paths.front(), note);
    });
}

void MainWindowController::OpenChosenFile(
    const std::function<std::optional<std::string>()>& chooseFile) {
    Guarded([&] {
        if (!MayLeave(Leaving::OpeningFile, services_.commands.HandleOf(kMainWindowId))) return;
        if (const std::optional<std::string> path = chooseFile()) Open(*path);
    });
}

void MainWindowController::OpenRecentFile(std::string_view path) {
    Guarded([&] {
        Services& s = services_;
        const runtime::WindowHandle owner = s.commands.HandleOf(kMainWindowId);
        const std::string file(path);
        const profile::FileContent content = s.files.ReadFileUpTo(file, kMonsterFileLimit);
        if (content.status == profile::FileContent::Status::Missing) {
            settings_.Forget(file, s.properties);
            ShowWarningBox(s.boxes, owner, "打开失败：",
                           "文件已不存在：\r\n" + file + "\r\n\r\n已从最近打开的文件中移除。");
            return;
        }
        if (MayLeave(Leaving::OpeningFile, owner)) Open(file);
    });
}

void MainWindowController::Open(std::string_view path, std::string_view tipNote) {
    Services& s = services_;
    std::optional<OpenedMonster> opened;
    {
        const OwnWrites own(ownWrites_);
        opened = mainwindow::OpenMonsterFile(s.properties, *this, s.files, s.boxes,
                                             s.commands.HandleOf(kMainWindowId), path, tipNote);
    }
    if (opened) {
        keptFromFile_ = std::move(opened->kept);
        const std::size_t slash = opened->path.find_last_of("\\/");
        if (slash != std::string::npos) openedFolder_ = opened->path.substr(0, slash);
        changes_.Reset(s.properties);
        settings_.Remember(opened->path, s.properties);
    }
    CaptionMayHaveChanged();
}

void MainWindowController::CopyMonsterFile(std::string_view path) {
    Guarded([&] {
        Services& s = services_;
        if (!MayLeave(Leaving::OpeningFile, s.commands.HandleOf(kMainWindowId))) return;
        Open(path);
        if (!keptFromFile_) return;
        keptFromFile_->forAnyName = true;
        s.commands.SetFocus(kMainWindowId, id::kMonsterName);
        s.properties.WriteInteger(kMainWindowId, id::kMonsterName, runtime::prop::edit::kSelectedLength, -1);
        WriteTip(s.properties, "友情提示：正在复制怪物【" + keptFromFile_->monsterName +
                                   "】，输入新名称后生成文件即可");
    });
}

void MainWindowController::NewMonster() {
    Guarded([&] {
        if (!MayLeave(Leaving::NewMonster, services_.commands.HandleOf(kMainWindowId))) return;
        {
            const OwnWrites own(ownWrites_);
            ShowStartUpState(services_.properties);
        }
        keptFromFile_.reset();
        openedFolder_.reset();
        changes_.Reset(services_.properties);
        CaptionMayHaveChanged();
    });
}

bool MainWindowController::MayLeave(Leaving leaving, runtime::WindowHandle owner) {
    if (!changes_.HasChanges()) return true;
    const std::string name = services_.properties.ReadText(kMainWindowId, id::kMonsterName,
                                                            runtime::prop::edit::kContent);
    switch (UnsavedChoiceOf(services_.boxes.ShowBox(UnsavedChangesRequest(owner, name, leaving)))) {
        case UnsavedChoice::GenerateFirst: return Generate();
        case UnsavedChoice::GoOn: return true;
        case UnsavedChoice::Cancel: return false;
    }
    return false;
}

OutputFolder MainWindowController::TargetFolder() const {
    const OutputFolder besideProgram =
        DefaultOutputFolder(services_.program.ProgramDirectory(), services_.files.Separator());
    const std::string folder = openedFolder_ ? *openedFolder_ : MonsterFolder();
    return {folder, settings::SameWindowsPath(folder, besideProgram.path)};
}

std::string MainWindowController::MonsterFolder() const {
    if (auto chosen = settings_.MonsterFolder()) return *chosen;
    return DefaultOutputFolder(services_.program.ProgramDirectory(), services_.files.Separator()).path;
}

void MainWindowController::ChooseMonsterFolder(std::string_view folder) {
    Guarded([&] { settings_.SetMonsterFolder(folder, services_.properties); });
}

void MainWindowController::UseSettings(settings::SettingsStore& store) {
    Guarded([&] { settings_.Load(store, services_.properties); });
}

std::string MainWindowController::Caption() {
    return WindowCaption(services_.properties.ReadText(kMainWindowId, id::kMonsterName,
                                                       runtime::prop::edit::kContent),
                         changes_.HasChanges());
}

void MainWindowController::SetCaptionListener(std::function<void(const std::string&)> listener) {
    captionListener_ = std::move(listener);
    caption_ = Caption();
}

void MainWindowController::CaptionMayHaveChanged() {
    std::string caption = Caption();
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (captionListener_) captionListener_(caption_);
}

int MainWindowController::CloseHandler(runtime::WindowHandle window, unsigned message) {
    // Without an answer the window stays open, as after "不想退出".
    int result = message == kCloseMessage ? runtime::kKeepWindowOpen : runtime::kLetWindowClose;
    Guarded([&] {
        if (message == kCloseMessage && changes_.HasChanges()) {
            result = MayLeave(Leaving::Closing, window) ? runtime::kLetWindowClose
                                                        : runtime::kKeepWindowOpen;
        } else if (message == kCloseMessage) {
            const runtime::BoxAnswer answer =
                services_.boxes.ShowBox(ExitConfirmationRequest(window, services_.clock.Now()));
            result = ExitConfirmed(answer) ? runtime::kLetWindowClose : runtime::kKeepWindowOpen;
        } else if (message == kDestroyMessage) {
            services_.program.EndProgram(0);
        }
    });
    return result;
}

}  // namespace vorn::mainwindow
