#include "mainwindow/main_window_controller.h"

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
#include "mainwindow/open_monster_file.h"

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

}  // namespace

void MainWindowController::OnEvent(const runtime::Event& event) {
    if (event.window != kMainWindowId) return;
    Guarded([&] { Dispatch(event); });
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
    Guarded([&] {
        Services& s = services_;
        mainwindow::GenerateMonsterFiles(s.properties, s.files, s.boxes,
                                         s.commands.HandleOf(kMainWindowId),
                                         s.program.ProgramDirectory(),
                                         keptFromFile_ ? &*keptFromFile_ : nullptr);
    });
}

void MainWindowController::OpenMonsterFile(std::string_view path) {
    OpenFirstMonsterFile({std::string(path)});
}

void MainWindowController::OpenFirstMonsterFile(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    Guarded([&] {
        Services& s = services_;
        const std::string note =
            paths.size() > 1
                ? "（共 " + std::to_string(paths.size()) + " 个文件，只打开了第一个）"
                : std::string();
        if (auto kept = mainwindow::OpenMonsterFile(s.properties, *this, s.files, s.boxes,
                                                    s.commands.HandleOf(kMainWindowId),
                                                    paths.front(), note))
            keptFromFile_ = std::move(kept);
    });
}

int MainWindowController::CloseHandler(runtime::WindowHandle window, unsigned message) {
    // Without an answer the window stays open, as after "不想退出".
    int result = message == kCloseMessage ? runtime::kKeepWindowOpen : runtime::kLetWindowClose;
    Guarded([&] {
        if (message == kCloseMessage) {
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
