#include "e2e/file_dialog.h"

#include "e2e/user_input.h"
#include "e2e/window_probe.h"

namespace vorn::e2e {

testing::AssertionResult AnswerFileDialog(AppSession& app, const std::filesystem::path& path) {
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = VisibleWindowOfClass(app.ProcessId(), L"#32770")) != nullptr; }))
        return testing::AssertionFailure() << "no file dialog";
    if (!BringToFront(dialog)) return testing::AssertionFailure() << "the file dialog stays behind";
    const auto nameFieldFocused = [&] {
        const HWND focus = FocusOfThreadOwning(dialog);
        return focus != nullptr && IsChild(dialog, focus) && ClassNameOf(focus) == "Edit";
    };
    if (!WaitUntil(nameFieldFocused))
        return testing::AssertionFailure() << "the dialog's focus is on " << Describe(FocusOfThreadOwning(dialog));
    TypeText(path.wstring());
    PressKey(VK_RETURN);
    if (!WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }))
        return testing::AssertionFailure() << "the dialog did not take " << path.string();
    return testing::AssertionSuccess();
}

}  // namespace vorn::e2e
