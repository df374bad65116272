#include "mainwindow/main_window_controller.h"

#include "mainwindow/about_box.h"
#include "mainwindow/clock_tick.h"
#include "mainwindow/control_ids.h"
#include "mainwindow/exit_confirmation.h"
#include "mainwindow/field_editing.h"
#include "mainwindow/help_page.h"
#include "mainwindow/slot_names.h"
#include "runtime/error_report.h"
#include "mainwindow/equip_slot.h"
#include "mainwindow/generate_monster_files.h"

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
            else if (event.control == id::kAboutLink)
                aboutAnswer_ = ShowAbout(s.commands, s.boxes);
            else if (event.control == id::kAuthorLink)
                s.web.Open(HelpPageUrl(s.program.ProgramDirectory()));
            else if (event.control == id::kGenerate)
                mainwindow::GenerateMonsterFiles(s.properties, s.files, s.boxes,
                                              s.commands.HandleOf(kMainWindowId),
                                              s.program.ProgramDirectory());
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
    OnEvent({kMainWindowId, id::kAboutLink, EventKind::Clicked, 0});
}

void MainWindowController::AuthorItemClicked() {
    OnEvent({kMainWindowId, id::kAuthorLink, EventKind::Clicked, 0});
}

void MainWindowController::GenerateItemClicked() {
    OnEvent({kMainWindowId, id::kGenerate, EventKind::Clicked, 0});
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
