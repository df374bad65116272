#include "mainwindow/main_window_controller.h"

#include "mainwindow/about_box.h"
#include "mainwindow/clock_tick.h"
#include "mainwindow/control_ids.h"
#include "mainwindow/exit_confirmation.h"
#include "mainwindow/field_editing.h"
#include "mainwindow/help_page.h"
#include "mainwindow/slot_names.h"
#include "profile/equip_slot.h"
#include "profile/generate_monster_files.h"

namespace vorn::mainwindow {
namespace {

using runtime::EventKind;

constexpr int kEnterKey = 13;

}  // namespace

void MainWindowController::OnEvent(const runtime::Event& event) {
    if (event.window != kMainWindowId) return;
    try {
        Dispatch(event);
    } catch (...) {
        // Events arrive from a window procedure; a failed handler leaves the
        // controls as they are.
    }
}

void MainWindowController::Dispatch(const runtime::Event& event) {
    Services& s = services_;
    switch (event.kind) {
        case EventKind::Clicked:
            if (const profile::EquipSlot* slot = profile::FindSlotByButton(event.control))
                UnlockSlotName(s.properties, s.commands, s.sound, slot->nameBox);
            else if (event.control == id::kAboutLink)
                ShowAboutBox();
            else if (event.control == id::kAuthorLink)
                OpenAuthorPage();
            else if (event.control == id::kGenerate)
                GenerateFiles();
            return;
        case EventKind::KeyPressed:
            if (const profile::EquipSlot* slot = profile::FindSlotByNameBox(event.control)) {
                if (event.argument == kEnterKey)
                    slotTipAnswer_ = ConfirmSlotName(s.properties, s.commands, s.boxes, slot->nameBox);
                return;
            }
            break;
        case EventKind::FocusLost:
            if (const profile::EquipSlot* slot = profile::FindSlotByNameBox(event.control))
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

void MainWindowController::ShowAboutBox() {
    aboutAnswer_ = ShowAbout(services_.commands, services_.boxes);
}

void MainWindowController::OpenAuthorPage() {
    services_.web.Open(HelpPageUrl(services_.program.ProgramDirectory()));
}

void MainWindowController::GenerateFiles() {
    profile::GenerateMonsterFiles(services_.properties, services_.files, services_.boxes,
                                  services_.commands.HandleOf(kMainWindowId),
                                  services_.program.ProgramDirectory());
}

int MainWindowController::CloseHandler(runtime::WindowHandle window, unsigned message) {
    try {
        if (message == kCloseMessage) {
            const BoxAnswer answer =
                services_.boxes.ShowBox(ExitConfirmationRequest(window, services_.clock.Now()));
            return ExitConfirmed(answer) ? 0 : 1;
        }
        if (message == kDestroyMessage) services_.program.EndProgram(0);
        return 0;
    } catch (...) {
        // Without an answer the window stays open, as after "不想退出".
        return message == kCloseMessage ? 1 : 0;
    }
}

}  // namespace vorn::mainwindow
