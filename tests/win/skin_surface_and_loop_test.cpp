#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "skin/modal_loop_win.h"
#include "skin/windows/layered_surface_win.h"

namespace vorn::skin {
namespace {

// A bare layered popup for the surface to show on.
class LayeredPopup {
public:
    LayeredPopup() {
        handle_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 100,
                                  100, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~LayeredPopup() { DestroyWindow(handle_); }
    HWND handle() const { return handle_; }
    RECT Rect() const {
        RECT rect{};
        GetWindowRect(handle_, &rect);
        return rect;
    }

private:
    HWND handle_;
};

void FillSolid(HDC dc, RECT rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

TEST(LayeredSurface, DrawsClearsAndReleasesItsPixels) {
    LayeredPopup popup;
    {
        LayeredSurface surface;
        ASSERT_TRUE(surface.Create(popup.handle(), 40, 30));
        EXPECT_EQ(surface.Pixel(0, 0), 0u);
        EXPECT_EQ(surface.Pixel(39, 29), 0u);

        // Rows are counted from the top although the bitmap is stored bottom-up.
        FillSolid(surface.DeviceContext(), RECT{0, 0, 40, 10}, RGB(10, 20, 30));
        EXPECT_EQ(surface.Pixel(5, 0) & 0xFFFFFF, 0x0A141Eu);
        EXPECT_EQ(surface.Pixel(5, 10), 0u);

        surface.ClearRect(RECT{0, 0, 20, 10});
        EXPECT_EQ(surface.Pixel(5, 5), 0u);
        EXPECT_EQ(surface.Pixel(25, 5) & 0xFFFFFF, 0x0A141Eu);
        surface.Clear();
        EXPECT_EQ(surface.Pixel(25, 5), 0u);
        EXPECT_EQ(surface.Pixel(40, 0), 0u) << "outside the surface";

        const HDC dc = surface.DeviceContext();
        surface.Release();
        EXPECT_EQ(GetObjectType(dc), 0u) << "the memory DC is deleted";
        surface.Release();  // twice is harmless
        EXPECT_EQ(surface.DeviceContext(), nullptr);
        EXPECT_FALSE(surface.Update());
    }
}

TEST(LayeredSurface, UpdateMovesResizesAndFadesOnlyWhatItIsGiven) {
    LayeredPopup popup;
    LayeredSurface surface;
    ASSERT_TRUE(surface.Create(popup.handle(), 80, 60));
    ASSERT_TRUE(surface.Update(POINT{120, 130}));
    EXPECT_EQ(popup.Rect().left, 120);
    EXPECT_EQ(popup.Rect().top, 130);
    EXPECT_EQ(popup.Rect().right - popup.Rect().left, 80);

    // The box shows its final size from a surface 40 pixels larger.
    ASSERT_TRUE(surface.Update(std::nullopt, SIZE{40, 20}));
    EXPECT_EQ(popup.Rect().right - popup.Rect().left, 40);
    EXPECT_EQ(popup.Rect().bottom - popup.Rect().top, 20);
    EXPECT_EQ(popup.Rect().left, 120) << "no position: the window stays";

    const RECT before = popup.Rect();
    ASSERT_TRUE(surface.Update(std::nullopt, std::nullopt, BYTE{40}));
    const RECT after = popup.Rect();
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST(LayeredSurface, ASurfaceThatCannotBeMadeIsEmptyAndShowsNothing) {
    LayeredPopup popup;
    LayeredSurface surface;
    EXPECT_FALSE(surface.Create(popup.handle(), 0, 10));
    EXPECT_TRUE(surface.Empty());
    EXPECT_FALSE(surface.Create(popup.handle(), 200000, 200000));  // no such bitmap
    EXPECT_TRUE(surface.Empty());
    EXPECT_FALSE(surface.Update(POINT{0, 0}));
    surface.Clear();
}

TEST(SkinModalLoop, ReturnsAtOnceWhenNothingIsWatchedAndEnablesTheOwner) {
    LayeredPopup owner;
    EnableWindow(owner.handle(), FALSE);
    HWND ownerHandle = owner.handle();
    const std::uint32_t watched = 0;
    RunModalLoop(watched, &ownerHandle);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    EXPECT_EQ(ownerHandle, nullptr);
}

std::uint32_t* g_watched = nullptr;
void CALLBACK ClearWatched(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    *g_watched = 0;
}

TEST(SkinModalLoop, RunsTheThreadsMessagesUntilTheWordIsCleared) {
    std::uint32_t watched = 1;
    g_watched = &watched;
    SetTimer(nullptr, 0, 10, ClearWatched);
    RunModalLoop(watched, nullptr);
    EXPECT_EQ(watched, 0u);

    // A quit request ends the loop early and is passed on to the outer loop.
    watched = 1;
    PostQuitMessage(7);
    EXPECT_EQ(RunModalLoop(watched, nullptr), 7u);
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
}  // namespace vorn::skin
