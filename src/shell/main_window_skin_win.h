// Turning the loaded main window into the skinned one while it is created:
// the skin is initialised with the window's background picture, three
// controls and the badge box are replaced by drawn items that call the
// program's handlers, and the window-skin manager takes over the frame with
// the program's title. Runs in the window's creation-finished event, before
// the window is first shown.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/events.h"
#include "runtime/interfaces/property_access.h"
#include "shell/drawn_item_tips_win.h"
#include "shell/main_window_focus_win.h"
#include "shell/skin_module_win.h"

namespace vorn::mainwindow {
class MainWindowController;
}

namespace vorn::shell {

// Initialises the skin with the theme picture, loads its control images and
// gives the manager the window's close handler for the close request and
// the destruction.
void SetUpMainWindowSkin(SkinModule& skin, std::span<const std::uint8_t> themeImage,
                         skin::WindowMessageRoutine closeHandler);

// Where a control stood and what it said, read through its properties.
struct ReplacedControl {
    runtime::WindowId window = 0;
    runtime::ControlId control = 0;
};

// A bulleted link label (white glowing text) in the label's place, with the
// label's caption; the label is destroyed. Answers the item's index among
// the window's items, from 0.
int ReplaceWithLinkLabel(SkinModule& skin, runtime::PropertyAccess& properties,
                          runtime::ControlCommands& commands, ReplacedControl replaced,
                          skin::Colour textColour, float fontSize, std::function<void()> onClick);

// An image button with `iconBytes` (any picture; natural size) and the
// button's caption in the button's place; the button is destroyed. Answers
// the item's index, from 0.
int ReplaceWithImageButton(SkinModule& skin, runtime::PropertyAccess& properties,
                            runtime::ControlCommands& commands, ReplacedControl replaced,
                            float fontSize, std::span<const std::uint8_t> iconBytes,
                            std::function<void()> onClick);

// The picture link in the box's place, showing the badge of the 233 x 42
// strip `pictureBytes` and, under the pointer, its turning swirl; the box is
// destroyed.
void ReplaceWithPictureLink(SkinModule& skin, runtime::PropertyAccess& properties,
                            runtime::ControlCommands& commands, ReplacedControl replaced,
                            std::span<const std::uint8_t> pictureBytes);

// Attaches the manager to the window with the program's icon and a title in
// `titleColour` that shows the window's own text (so it follows every
// change of that text), and draws it at once. A click on the icon runs
// `onIcon`.
void SkinMainWindow(SkinModule& skin, runtime::ControlCommands& commands, runtime::WindowId window,
                    skin::Colour titleColour, std::function<void()> onIcon);

// All of the above for the main window, in their order; `standIns` gets
// the controls the drawn items replaced.
void SkinTheMainWindow(SkinModule& skin, runtime::PropertyAccess& properties,
                       runtime::ControlCommands& commands,
                       mainwindow::MainWindowController& controller, std::function<void()> onIcon,
                       std::vector<DrawnStandIn>& standIns);

// Where the program menu opens: under the icon, at the caption's lower edge
// (screen coordinates).
POINT BelowCaption(runtime::WindowHandle window);

// The tooltips of the main window's drawn items: what each does and its key.
std::vector<DrawnItemTip> MainWindowItemTips(const skin::PellumWindow& skin,
                                             const std::vector<DrawnStandIn>& standIns);

// Passes every event on to the controller once the skin is prepared, and
// skins the main window when it reports that it is created.
class SkinningEvents final : public runtime::EventSink {
public:
    SkinningEvents(SkinModule& skin, runtime::EventSink& next,
                   std::function<void()> onMainWindowCreated)
        : skin_(skin), next_(next), onCreated_(std::move(onMainWindowCreated)) {}
    void OnEvent(const runtime::Event& event) override;

private:
    SkinModule& skin_;
    runtime::EventSink& next_;
    std::function<void()> onCreated_;
};

}  // namespace vorn::shell
