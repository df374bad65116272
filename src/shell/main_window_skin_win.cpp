#include "shell/main_window_skin_win.h"

#include <windows.h>

#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_controller.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/program_assets.h"
#include "runtime/base/error_report.h"
#include "runtime/win32/handles_win.h"
#include "skin/load_scaled_bitmap_win.h"

namespace vorn::shell {
namespace {

namespace id = mainwindow::id;

// The picture link's strip: a 41-pixel badge, then six 32-pixel swirl frames.
constexpr int kBadgeWidth = 41;
constexpr int kSwirlWidth = 32;

constexpr int kProgramIconResource = 1;

skin::RectRecord RectOf(runtime::PropertyAccess& properties, ReplacedControl replaced) {
    const auto read = [&](int property) {
        return static_cast<int>(properties.ReadInteger(replaced.window, replaced.control, property));
    };
    namespace prop = runtime::prop;
    return {read(prop::kLeft), read(prop::kTop), read(prop::kWidth), read(prop::kHeight)};
}

// An item's routine from a click handler: it keeps the window as it is.
skin::ItemRoutine ClickRoutine(std::function<void()> onClick) {
    return [onClick = std::move(onClick)](int, int) {
        if (onClick) onClick();
        return 0;
    };
}

// The cells a link style shows: the badge when normal; under the pointer
// its second pair of values counts the swirl frames after the badge.
skin::StripCells CellsOf(const skin::LinkImageStyle& style) {
    if (style.state == 0) return {0, kBadgeWidth, 1};
    return {kBadgeWidth, kSwirlWidth, std::max(1, style.values[1])};
}

}  // namespace

void SetUpMainWindowSkin(SkinModule& skin, std::span<const std::uint8_t> themeImage,
                         skin::WindowMessageRoutine closeHandler) {
    if (skin.State() == nullptr || skin.Window() == nullptr) return;
    skin::InitSkin(*skin.State(), themeImage, false, true);
    // Loaded once: normally while the window was being created.
    if (!skin::ControlImagesLoaded(*skin.State())) skin::LoadControlImages(*skin.State());
    skin::PellumOptions options;
    options.onClose = closeHandler;
    options.onDestroy = std::move(closeHandler);
    skin.Window()->SetOptions(std::move(options));
}

int ReplaceWithLinkLabel(SkinModule& skin, runtime::PropertyAccess& properties,
                          runtime::ControlCommands& commands, ReplacedControl replaced,
                          skin::Colour textColour, float fontSize, std::function<void()> onClick) {
    skin::LabelItemOptions wanted;
    wanted.rect = RectOf(properties, replaced);
    wanted.value = 1;
    wanted.text.text = properties.ReadText(replaced.window, replaced.control,
                                         runtime::prop::label::kCaption);
    wanted.text.colour = textColour;
    wanted.text.size = fontSize;
    wanted.text.glow = true;
    wanted.routine = ClickRoutine(std::move(onClick));
    const int item = skin.Window()->AddLabel(std::move(wanted)) - 1;
    commands.DestroyControl(replaced.window, replaced.control);
    return item;
}

int ReplaceWithImageButton(SkinModule& skin, runtime::PropertyAccess& properties,
                            runtime::ControlCommands& commands, ReplacedControl replaced,
                            float fontSize, std::span<const std::uint8_t> iconBytes,
                            std::function<void()> onClick) {
    skin::ImageButtonOptions wanted;
    wanted.picture = skin::LoadScaledBitmap(iconBytes);
    wanted.rect = RectOf(properties, replaced);
    wanted.caption = properties.ReadText(replaced.window, replaced.control,
                                        runtime::prop::button::kCaption);
    wanted.textColour = 0;
    wanted.fontSize = fontSize;
    wanted.routine = ClickRoutine(std::move(onClick));
    const int item = skin.Window()->AddImageButton(std::move(wanted)) - 1;
    commands.DestroyControl(replaced.window, replaced.control);
    return item;
}

void ReplaceWithPictureLink(SkinModule& skin, runtime::PropertyAccess& properties,
                            runtime::ControlCommands& commands, ReplacedControl replaced,
                            std::span<const std::uint8_t> pictureBytes) {
    skin::SkinState& state = *skin.State();
    skin::SetLinkPicture(state, skin::LoadScaledBitmap(pictureBytes));
    skin::PictureLinkOptions wanted;
    wanted.rect = RectOf(properties, replaced);
    wanted.strip = state.linkPicture.Clone();
    wanted.normal = CellsOf(state.linkStyleOff);
    wanted.hover = CellsOf(state.linkStyleOn);
    skin.Window()->AddPictureLink(std::move(wanted));
    commands.DestroyControl(replaced.window, replaced.control);
}

void SkinMainWindow(SkinModule& skin, runtime::ControlCommands& commands, runtime::WindowId window,
                    skin::Colour titleColour, std::function<void()> onIcon) {
    const HWND handle = reinterpret_cast<HWND>(commands.HandleOf(window));
    // The program's own icon at the caption's size; the manager keeps a copy.
    const runtime::UniqueIcon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
                   16, 16, LR_DEFAULTCOLOR)));
    skin::FrameOptions frame;
    frame.icon = icon.get();
    frame.titleColour = titleColour;
    if (onIcon) frame.iconRoutine = ClickRoutine(std::move(onIcon));
    skin::PellumWindow& manager = *skin.Window();
    if (manager.AttachTo(handle, frame) == skin::AttachStatus::Ok) manager.Redraw(true);
}

void SkinTheMainWindow(SkinModule& skin, runtime::PropertyAccess& properties,
                       runtime::ControlCommands& commands,
                       mainwindow::MainWindowController& controller, std::function<void()> onIcon,
                       std::vector<DrawnStandIn>& standIns) {
    if (skin.State() == nullptr || skin.Window() == nullptr) return;
    const runtime::WindowId window = mainwindow::kMainWindowId;
    constexpr skin::Colour kWhite = 0xFFFFFF;
    SetUpMainWindowSkin(skin, mainwindow::AssetBytes(mainwindow::kBackgroundJpeg),
                        [&controller](HWND handle, unsigned message) {
                            return controller.CloseHandler(
                                reinterpret_cast<runtime::WindowHandle>(handle), message);
                        });
    skin.Window()->HostValue(1, true);
    standIns.clear();
    standIns.push_back({id::kAuthorLink, ReplaceWithLinkLabel(skin, properties, commands,
                                                              {window, id::kAuthorLink}, kWhite, 13,
                                                              [&controller] { controller.AuthorItemClicked(); })});
    standIns.push_back({id::kAboutLink, ReplaceWithLinkLabel(skin, properties, commands,
                                                             {window, id::kAboutLink}, kWhite, 13,
                                                             [&controller] { controller.AboutItemClicked(); })});
    standIns.push_back({id::kGenerate, ReplaceWithImageButton(
                                           skin, properties, commands, {window, id::kGenerate}, 13,
                                           mainwindow::AssetBytes(mainwindow::kSaveIconPng),
                                           [&controller] { controller.GenerateItemClicked(); })});
    ReplaceWithPictureLink(skin, properties, commands, {window, id::kBadge},
                           mainwindow::AssetBytes(mainwindow::kPictureLinkPng));
    SkinMainWindow(skin, commands, window, kWhite, std::move(onIcon));
}

POINT BelowCaption(runtime::WindowHandle window) {
    const skin::RectRecord icon = skin::BuildFrameItems(0, {})[skin::Slot(skin::FrameSlot::Icon)].rect;
    POINT at{icon.x, skin::kCaptionHeight};
    ClientToScreen(reinterpret_cast<HWND>(window), &at);
    return at;
}

std::vector<DrawnItemTip> MainWindowItemTips(const skin::PellumWindow& skin,
                                             const std::vector<DrawnStandIn>& standIns) {
    const auto& items = skin.Items();
    std::vector<DrawnItemTip> tips;
    const auto add = [&](std::size_t item, std::string text) {
        if (item < items.size()) tips.push_back({items[item].hitRect, std::move(text)});
    };
    add(skin::Slot(skin::FrameSlot::Icon), "菜单：新建 (Ctrl+N)、打开 (Ctrl+O)、怪物列表 (Ctrl+L)、最近打开的文件");
    for (const DrawnStandIn& standIn : standIns) {
        const auto item = static_cast<std::size_t>(standIn.item);
        if (standIn.control == id::kGenerate) add(item, "生成怪物文件 (Ctrl+S)");
        if (standIn.control == id::kAuthorLink) add(item, "打开帮助页 (F1)");
        if (standIn.control == id::kAboutLink) add(item, "程序的版本与说明");
    }
    return tips;
}

void SkinningEvents::OnEvent(const runtime::Event& event) {
    // Any handler may show a box, and the window is skinned from the state.
    skin_.WaitUntilPrepared();
    if (event.kind == runtime::EventKind::CreationFinished &&
        event.window == mainwindow::kMainWindowId && onCreated_) {
        try {
            onCreated_();
        } catch (...) {
            // An unskinned window still works: its controls stay as loaded.
            runtime::ReportCaughtException("skinning the main window");
        }
    }
    next_.OnEvent(event);
}

}  // namespace vorn::shell
