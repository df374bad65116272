// Setting the main window's fields the way a user does: picking combo items
// from their dropped lists with the mouse, retyping edits, unlocking a slot's
// name box with its button, pressing the spin arrows. Each call waits for the
// program to show the effect and returns false when it did not.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "e2e/app_session.h"

namespace vorn::e2e {

// Opens the combo box's list with a click and clicks item `index`.
testing::AssertionResult PickComboItem(AppSession& app, HWND combo, int index);
// Gives the combo box the focus without opening it and moves its selection
// one item down with the arrow key.
testing::AssertionResult StepComboDownWithKeyboard(AppSession& app, HWND combo);

// Clicks into the edit (away from any spin arrows), selects all its text with
// the keyboard and types `text` over it.
testing::AssertionResult RetypeEdit(AppSession& app, HWND edit, std::wstring_view text);
// Clicks into the edit and waits until it has the focus.
testing::AssertionResult ClickIntoEdit(AppSession& app, HWND edit);

// Clicks the slot button and waits until its name box has the focus.
testing::AssertionResult UnlockSlot(AppSession& app, HWND slotButton, HWND nameBox);
// Unlocks the slot and types a name over the selected text (deletes it when
// the name is empty).
testing::AssertionResult TypeSlotName(AppSession& app, HWND slotButton, HWND nameBox, std::wstring_view name);

// The up-down arrows that belong to a rate edit, or nullptr.
HWND SpinOf(HWND edit);
enum class SpinArrow { Up, Down };
// Clicks one arrow of the edit's spin buttons.
testing::AssertionResult ClickSpin(AppSession& app, HWND edit, SpinArrow arrow);

// The tip line's caption.
std::string TipLine(const AppSession& app);
// Waits until the tip line reads `expected`; returns what it reads then.
std::string AwaitTip(const AppSession& app, std::string_view expected,
                     std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Waits until the window's text reads `expected`; returns what it reads then.
std::string AwaitText(HWND window, std::string_view expected,
                      std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace vorn::e2e
