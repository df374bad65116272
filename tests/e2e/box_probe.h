// The program's open message box, seen from outside: its title, its message,
// its buttons and its option, and pressing them with the real mouse.
//
//   auto box = OpenBox::Await(*app);
//   ASSERT_TRUE(box) << "no box appeared";
//   EXPECT_EQ(box->Title(), "生成提示：");
//   box->Press("确定");
//   EXPECT_TRUE(box->AwaitClosed());
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/app_session.h"

namespace vorn::e2e {

// The caption of the close button every box carries beside its own buttons.
inline constexpr std::string_view kBoxCloseCaption = "\xC3\x97";  // U+00D7 MULTIPLICATION SIGN

class OpenBox {
public:
    // The box the program shows, waited for up to the timeout; nothing when
    // none opened. Tooltips and dropped lists are not boxes.
    static std::optional<OpenBox> Await(AppSession& app,
                                        std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // A box open right now, without waiting.
    static std::optional<OpenBox> Current(AppSession& app);

    HWND Window() const { return window_; }
    std::string Title() const;
    // The message text, line breaks as the program gave them.
    std::string Message() const;
    // The captions of its own buttons, the close button left out, from right
    // to left as the box lays them out (so in the request's order).
    std::vector<std::string> CaptionsRightToLeft() const;
    // The option's caption, or nothing when the box shows no option.
    std::optional<std::string> OptionText() const;
    // The option's check box, or nullptr; whether it is ticked.
    HWND Option() const;
    bool OptionTicked() const;
    HWND Button(std::string_view caption) const;

    // Clicks the button with this caption with the mouse; false when the box
    // has no such button.
    bool Press(std::string_view caption);
    bool PressClose() { return Press(kBoxCloseCaption); }
    // Waits until the box window is destroyed; true if it was. Hiding a
    // captioned window can take Wine two seconds without a window manager,
    // and input sent meanwhile is lost, so tests wait for the end.
    bool AwaitClosed(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

    // "title | message | [captions]" for failure messages.
    std::string Describe() const;

private:
    OpenBox(AppSession& app, HWND window) : app_(&app), window_(window) {}

    AppSession* app_;
    HWND window_;
};

}  // namespace vorn::e2e
