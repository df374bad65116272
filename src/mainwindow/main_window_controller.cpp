#include "mainwindow/main_window_controller.h"

#include "profile/monster_history.h"

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
#include "profile/monster_history.h"
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
// The slot names' own blue, and the warning colour of a name the item table lacks.
constexpr runtime::Rgb kSlotNameColour = 0x0000FF;
constexpr runtime::Rgb kUnknownNameColour = 0xD02000;

ProgramSettings::NameTableKind TableSetting(KnownNames::Table which) {
    return which == KnownNames::Table::Items ? ProgramSettings::NameTableKind::Items
                                             : ProgramSettings::NameTableKind::Monsters;
}

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
                if (event.argument == kEnterKey) {
                    slotTipAnswer_ =
                        ConfirmSlotName(s.properties, s.commands, s.boxes, slot->nameBox);
                    TellIfUnknown(slot->nameBox);
                }
                return;
            }
            break;
        case EventKind::ContentChanged:
            if (const mainwindow::EquipSlot* slot = mainwindow::FindSlotByNameBox(event.control))
                OfferCompletions(slot->nameBox);
            break;
        case EventKind::FocusLost:
            if (const mainwindow::EquipSlot* slot = mainwindow::FindSlotByNameBox(event.control)) {
                if (completion_) completion_->Hide();
                LockSlotName(s.properties, slot->nameBox);
                TellIfUnknown(slot->nameBox);
            }
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
    if (!MayGenerateWithUnknownNames()) return false;
    Generation generation;
    {
        const OwnWrites own(ownWrites_);
        generation = mainwindow::GenerateMonsterFiles(
            s.properties, s.files, s.boxes, s.commands.HandleOf(kMainWindowId), TargetFolder(),
            VersionStamp(), keptFromFile_ ? &*keptFromFile_ : nullptr, seen_ ? &*seen_ : nullptr);
    }
    if (generation.seen) seen_ = std::move(generation.seen);
    if (generation.monsterPath) {
        changes_.Reset(s.properties);
        settings_.Remember(*generation.monsterPath, s.properties);
        if (filesWritten_) filesWritten_();
    }
    if (generation.openInstead) Open(*generation.openInstead);
    CaptionMayHaveChanged();
    return generation.monsterPath.has_value();
}

std::string MainWindowController::VersionStamp() {
    const runtime::LocalTime now = services_.clock.Now();
    return profile::VersionStamp(now.year, now.month, now.day, now.hour, now.minute, now.second);
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
        seen_ = profile::SeenAtOpening(s.files, opened->path, opened->bytes);
        const std::size_t slash = opened->path.find_last_of("\\/");
        if (slash != std::string::npos) openedFolder_ = opened->path.substr(0, slash);
        changes_.Reset(s.properties);
        settings_.Remember(opened->path, s.properties);
    }
    MarkUnknownItems();
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
        MarkUnknownItems();
        keptFromFile_.reset();
        openedFolder_.reset();
        seen_.reset();
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
    Guarded([&] {
        settings_.Load(store, services_.properties);
        for (const auto which : {KnownNames::Table::Items, KnownNames::Table::Monsters}) {
            const auto path = settings_.NameTablePath(TableSetting(which));
            if (!path) continue;
            if (const auto problem = names_.Load(services_.files, which, *path))
                WriteTip(services_.properties, "友情提示：" + *problem);
        }
        MarkUnknownItems();
    });
}

void MainWindowController::ChooseNameTable(KnownNames::Table which, const std::string& path) {
    Guarded([&] {
        Services& s = services_;
        if (const auto problem = names_.Load(s.files, which, path)) {
            ShowWarningBox(s.boxes, s.commands.HandleOf(kMainWindowId), "名称表：", *problem);
            return;
        }
        settings_.SetNameTablePath(TableSetting(which), path, s.properties);
        WriteTip(s.properties, std::string("友情提示：已载入") +
                                   (which == KnownNames::Table::Items ? "物品" : "怪物") + "名称表，共 " +
                                   std::to_string(names_.Size(which)) + " 个名称");
        MarkUnknownItems();
    });
}

std::vector<std::string> MainWindowController::MarkUnknownItems() {
    Services& s = services_;
    const OwnWrites own(ownWrites_);
    std::vector<std::string> shown;
    for (const EquipSlot& slot : EquipSlots()) {
        if (slot.nameBox == 0) continue;
        std::string text = s.properties.ReadText(kMainWindowId, slot.nameBox, runtime::prop::edit::kContent);
        if (text == slot.placeholder) text.clear();
        const bool known = names_.Knows(KnownNames::Table::Items, text);
        s.properties.WriteInteger(kMainWindowId, slot.nameBox, runtime::prop::edit::kTextColour,
                                  known ? kSlotNameColour : kUnknownNameColour);
        shown.push_back(std::move(text));
    }
    return UnknownItemsShown(shown, names_);
}

void MainWindowController::OfferCompletions(runtime::ControlId nameBox) {
    if (!completion_ || ownWrites_ > 0) return;
    const std::string text =
        services_.properties.ReadText(kMainWindowId, nameBox, runtime::prop::edit::kContent);
    // Only while the user types in an unlocked box, and not once the name is whole.
    const bool typing = !services_.properties.ReadBool(kMainWindowId, nameBox, runtime::prop::kDisabled);
    if (!typing || !names_.HasTable(KnownNames::Table::Items) || names_.Knows(KnownNames::Table::Items, text)) {
        completion_->Hide();
        return;
    }
    completion_->Show(kMainWindowId, nameBox, names_.Complete(KnownNames::Table::Items, text));
}

void MainWindowController::TakeCompletion(runtime::ControlId nameBox, const std::string& item) {
    Guarded([&] {
        if (completion_) completion_->Hide();
        services_.properties.WriteText(kMainWindowId, nameBox, runtime::prop::edit::kContent, item);
        services_.properties.WriteInteger(kMainWindowId, nameBox, runtime::prop::edit::kSelectedLength, 0);
        MarkUnknownItems();
    });
}

void MainWindowController::TellIfUnknown(runtime::ControlId nameBox) {
    MarkUnknownItems();
    const EquipSlot* slot = FindSlotByNameBox(nameBox);
    const std::string text =
        services_.properties.ReadText(kMainWindowId, nameBox, runtime::prop::edit::kContent);
    if (slot == nullptr || text == slot->placeholder || names_.Knows(KnownNames::Table::Items, text)) return;
    WriteTip(services_.properties, "友情提示：物品【" + text + "】不在物品名称表中，服务端不会认出它");
}

bool MainWindowController::MayGenerateWithUnknownNames() {
    Services& s = services_;
    const std::vector<std::string> items = MarkUnknownItems();
    const std::string monster =
        s.properties.ReadText(kMainWindowId, id::kMonsterName, runtime::prop::edit::kContent);
    const bool monsterUnknown = !names_.Knows(KnownNames::Table::Monsters, monster);
    if (items.empty() && !monsterUnknown) return true;
    std::string message = "以下名称不在服务端的名称表中，服务端会忽略它们：\r\n";
    if (!items.empty()) {
        message += "物品：";
        for (std::size_t i = 0; i < items.size(); ++i) message += (i ? "、" : "") + items[i];
        message += "\r\n";
    }
    if (monsterUnknown) message += "怪物：" + monster + "\r\n";
    message += "\r\n仍然生成文件吗？";
    runtime::BoxRequest request;
    request.owner = s.commands.HandleOf(kMainWindowId);
    request.title = "名称检查：";
    request.message = std::move(message);
    request.icon = runtime::icon::kExclamation;
    request.tinted = true;
    request.captions = {"返回", "仍然生成"};
    request.defaultButton = 1;
    request.slowAnimation = true;
    return runtime::PressedButton(s.boxes.ShowBox(request)) == 2;
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
