// The program's open message box, seen from outside. The box is one layered
// window without child controls: its texts are read the way a user copies
// them (Ctrl+C puts the title, the message and the captions on the
// clipboard), its buttons are found where the box's layout rule puts them
// for its size, and what it shows (focus, option, hover) is read from the
// screen's pixels.
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
#include "skin/windows/msg_box_layout.h"

namespace vorn::e2e {

inline constexpr std::string_view kBoxClass = "Pellum MsgBox";
// How the tests name the close button the box carries beside its captions.
inline constexpr std::string_view kBoxCloseCaption = "\xC3\x97";  // U+00D7 MULTIPLICATION SIGN

class OpenBox {
public:
    // The box the program shows, waited for up to the timeout until its
    // opening animation is over (it takes input only then); nothing when
    // none opened.
    static std::optional<OpenBox> Await(AppSession& app,
                                        std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // A box window present right now, without waiting (it may be opening or closing).
    static std::optional<OpenBox> Current(AppSession& app);

    HWND Window() const { return window_; }
    std::string Title() const;
    // The message text, line breaks as the program gave them.
    std::string Message() const;
    // The captions of its own buttons from right to left as the box lays
    // them out (so in the request's order).
    std::vector<std::string> CaptionsRightToLeft() const;

    // Whether the box shows its check option, and whether it is ticked.
    bool HasOption() const;
    bool OptionTicked() const;
    // Whether the button with this caption (kBoxCloseCaption: the close
    // button) wears the focus halo.
    bool HasFocusOn(std::string_view caption) const;
    // Where that button is on the screen; nothing when the box has no such button.
    std::optional<RECT> ButtonRect(std::string_view caption) const;

    // Clicks the button with this caption with the mouse; false when the box
    // has no such button.
    bool Press(std::string_view caption);
    bool PressClose() { return Press(kBoxCloseCaption); }
    // Clicks the check option's box.
    void ToggleOption();
    // Waits until the box window is destroyed; true if it was.
    bool AwaitClosed(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

    // "title | message | [captions]" for failure messages.
    std::string Describe() const;

private:
    struct Texts {
        std::string title, message;
        std::vector<std::string> captions;  // the request's order
    };

    OpenBox(AppSession& app, HWND window) : app_(&app), window_(window) {}
    const Texts& Read() const;
    // Where the parts are, once the box has its final size.
    skin::MsgBoxLayout Parts() const;
    POINT OnScreen(const skin::RectRecord& part) const;

    AppSession* app_;
    HWND window_;
    mutable std::optional<Texts> texts_;
    mutable bool opened_ = false;  // its parts are where its final size puts them
};

// Waits until the box window's opening animation is over: the window first
// covers the box and a margin of 20 pixels for the zoom and shrinks to the
// box at the end.
bool AwaitBoxOpened(HWND box, std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace vorn::e2e
