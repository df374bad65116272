#include "skin/skin_state_win.h"

#include "runtime/base/embedded_files.h"
#include "skin/cursor_win.h"
#include "plus/plus_startup_win.h"
#include "skin/running_version_win.h"
#include "skin/theme_picture_win.h"
#include "skin/ui_font_face_win.h"
#include "skin/windows_version.h"

namespace vorn::skin {
namespace {

void SetThemeFrom(SkinState& skin, std::span<const std::uint8_t> themeImage) {
    skin.themeImageBytes.assign(themeImage.begin(), themeImage.end());
    plus::PlusImage theme;
    theme.LoadFromBytes(skin.themeImageBytes);
    skin.themeColour = AverageColour(theme);
    skin.textColour = ContrastTextColour(skin.themeColour);
    skin.textContrastColour = InvertColour(skin.textColour);
    skin.background.Use(skin.themeImageBytes, skin.themeColour);
}

void LoadCursors(SkinState& skin, bool useBuiltInCursors) {
    for (int i = 0; i < kSkinCursorCount; ++i) {
        const SkinCursorFile& file = kSkinCursors[i];
        skin.skinCursors[i] =
            useBuiltInCursors
                ? SkinCursor(CursorFromBytes(runtime::EmbeddedFileBytes(file.file)))
                : SkinCursor::System(LoadCursorW(nullptr, MAKEINTRESOURCEW(file.systemCursor)));
    }
}

}  // namespace

ULONG_PTR InitSkin(SkinState& skin, std::span<const std::uint8_t> themeImage, bool skipPlusStartup,
                   bool useBuiltInCursors) {
    if (skin.initialised) return kSkinAlreadyInitialised;
    skin.initialised = true;
    if (!skipPlusStartup) skin.plusToken = plus::StartPlus();

    skin.uiFontFace = FindUiFontFace();
    SetThemeFrom(skin, themeImage);
    const OsVersion version = RunningWindowsVersion();
    skin.isWindows7OrLater = IsWindows7OrLater(version.major, version.minor);

    for (int i = 0; i < kSkinImageCount; ++i)
        skin.skinImages[i].LoadFromBytes(runtime::EmbeddedFileBytes(kSkinImages[i].file));
    LoadCursors(skin, useBuiltInCursors);
    return skin.plusToken;
}

void LoadControlImages(SkinState& skin) {
    for (int i = 0; i < kControlImageSlots; ++i) {
        skin.controlImages[i].Dispose();
        if (!kControlImages[i].file.empty())
            skin.controlImages[i].LoadFromBytes(runtime::EmbeddedFileBytes(kControlImages[i].file));
    }
}

bool ControlImagesLoaded(const SkinState& skin) {
    for (int i = 0; i < kControlImageSlots; ++i)
        if (!kControlImages[i].file.empty() && skin.controlImages[i].Native() == nullptr) return false;
    return true;
}

void SetLinkPicture(SkinState& skin, plus::PlusImage picture) {
    skin.linkPicture = std::move(picture);
    const std::array<std::int32_t, 4> values{1, 6, 1, 6};
    skin.linkStyleOn = {1, skin.linkPicture.NativeBitmap(), values};
    skin.linkStyleOff = {0, skin.linkPicture.NativeBitmap(), values};
}

}  // namespace vorn::skin
