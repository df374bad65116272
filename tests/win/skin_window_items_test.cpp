// The items of a skinned popup on real windows: the edit item under the
// keyboard, the clipboard and the input method; check boxes and option
// buttons; the focus running with Tab through the items and a child list
// view; and a second manager's popup beside the main window's, zooming in
// and out and always ending whole.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/base/embedded_files.h"
#include "skin/skin_state_win.h"
#include "skin/windows/clipboard_text_win.h"
#include "skin/windows/pellum_window_win.h"
#include "runtime_fixture.h"

namespace vorn::skin {
namespace {

using runtime::testing::ClassOf;
using runtime::testing::PixelOf;
using runtime::testing::PumpMessages;
using runtime::testing::PumpUntil;

constexpr RECT kPopup{120, 90, 120 + 360, 90 + 240};

// Keys held down for the thread while it lives, as GetKeyState sees them.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), std::begin(state));
        for (const int key : keys) state[key] |= 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256];
};

void Key(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 1); }
void Char(HWND window, wchar_t character) { SendMessageW(window, WM_CHAR, character, 1); }
void Type(HWND window, std::wstring_view text) {
    for (const wchar_t unit : text) Char(window, unit);
}
void Click(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
// Tab (or Shift+Tab) where the keyboard focus is, as the keyboard sends it.
void Tab(bool backward = false) {
    const HeldKeys shift = backward ? HeldKeys{VK_SHIFT} : HeldKeys{};
    const HWND focus = GetFocus();
    Key(focus, VK_TAB);
    Char(focus, L'\t');
}

// 0x00BBGGRR as the frame buffer reports pixels, 0x00RRGGBB.
DWORD AsPixel(Colour colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

HWND MakeOwner() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = L"VornSkinItemsOwner";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"owner", WS_POPUP | WS_VISIBLE,
                                  40, 40, 500, 380, nullptr, nullptr, windowClass.hInstance, nullptr);
    PumpMessages();
    return window;
}

struct Owner {
    Owner() : handle(MakeOwner()) {}
    ~Owner() {
        if (IsWindow(handle)) DestroyWindow(handle);
    }
    HWND handle;
};

class SkinItemsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        skin_ = new SkinState;
        InitSkin(*skin_, runtime::EmbeddedFileBytes("background.jpg"), false, true);
        LoadControlImages(*skin_);
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
    }
    static void TearDownTestSuite() { delete skin_; }

    // A popup of `manager` over the owner, shown (plainly unless asked) and
    // given the keyboard focus.
    HWND MakePopup(PellumWindow& manager, std::function<void(HWND)> onCreated = {},
                   PellumWindow::Showing showing = PellumWindow::Showing::Plain) {
        PellumWindow::CreateOptions options;
        options.owner = owner_.handle;
        options.x = kPopup.left;
        options.y = kPopup.top;
        options.width = kPopup.right - kPopup.left;
        options.height = kPopup.bottom - kPopup.top;
        options.showing = showing;
        options.onCreated = std::move(onCreated);
        options.frame.title = "怪物列表";
        HWND created = nullptr;
        EXPECT_EQ(manager.CreateSkinnedWindow(options, &created), AttachStatus::Ok);
        if (showing != PellumWindow::Showing::Animated) {
            SetForegroundWindow(created);
            SetFocus(created);
            PumpMessages();
        }
        return created;
    }

    // A child list view in the popup, a tab stop, with a green background.
    static HWND MakeList(HWND popup) {
        HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"",
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT,
                                    20, 130, 320, 90, popup, reinterpret_cast<HMENU>(100),
                                    GetModuleHandleW(nullptr), nullptr);
        SendMessageW(list, LVM_SETBKCOLOR, 0, RGB(0, 128, 0));
        return list;
    }

    static inline SkinState* skin_ = nullptr;
    Owner owner_;
};

TEST_F(SkinItemsTest, EditItemTypesSelectsUsesTheClipboardUndoesAndTakesCjkInput) {
    PellumWindow manager(skin_);
    std::vector<int> told;
    EditItemOptions wanted;
    wanted.rect = {20, 50, 200, 28};
    wanted.cue = "搜索怪物";
    wanted.routine = [&](int kind, int index, std::optional<int> length) {
        EXPECT_EQ(kind, 107);
        EXPECT_EQ(index, 8);
        told.push_back(length.value_or(-1));
        return 0;
    };
    const int edit = manager.AddEdit(std::move(wanted));
    const RectRecord inner{26, 53, 188, 22};
    const HWND popup = MakePopup(manager);
    ASSERT_EQ(GetFocus(), popup);
    EXPECT_EQ(manager.FocusedItem(), edit) << "the first stop takes the focus";

    // The greyed cue while empty: somewhere unlike the bare field at the end.
    const int row = inner.y + inner.height / 2;
    const DWORD field = manager.Buffer().Pixel(inner.x + inner.width - 3, row);
    bool cueShown = false;
    for (int x = inner.x; x < inner.x + 60; ++x)
        cueShown = cueShown || manager.Buffer().Pixel(x, row) != field;
    EXPECT_TRUE(cueShown);

    Type(popup, L"orc");
    SendMessageW(popup, WM_IME_CHAR, L'龙', 1);
    Type(popup, L"\xD83D\xDE00");
    EXPECT_EQ(manager.ItemText(edit), "orc龙😀");
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3, 4, 6})) << "each change, none for half a pair";
    Char(popup, 0x08);
    EXPECT_EQ(manager.ItemText(edit), "orc龙") << "backspace takes the pair whole";

    POINT end{}, start{};
    GetCaretPos(&end);
    {
        const HeldKeys shift{VK_SHIFT};
        Key(popup, VK_LEFT);
        Key(popup, VK_LEFT);
    }
    GetCaretPos(&start);
    EXPECT_LT(start.x, end.x);
    EXPECT_EQ(manager.Buffer().Pixel(start.x + 1, inner.y), AsPixel(skin_->themeColour))
        << "the selection wears the skin's theme colour";
    Char(popup, 0x03);  // Ctrl+C
    EXPECT_EQ(TextFromClipboard(popup).value_or(L""), L"c龙");
    Char(popup, 0x18);  // Ctrl+X
    EXPECT_EQ(manager.ItemText(edit), "or");
    EXPECT_NE(manager.Buffer().Pixel(start.x + 1, inner.y), AsPixel(skin_->themeColour));
    Key(popup, VK_HOME);
    Char(popup, 0x16);  // Ctrl+V
    EXPECT_EQ(manager.ItemText(edit), "c龙or");
    Char(popup, 0x1A);  // Ctrl+Z
    EXPECT_EQ(manager.ItemText(edit), "or");
    Char(popup, 0x01);  // Ctrl+A
    Type(popup, L"x");
    EXPECT_EQ(manager.ItemText(edit), "x");

    // Text wider than the box scrolls; the caret stays inside it.
    Type(popup, std::wstring(60, L'W'));
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_GE(caret.x, inner.x);
    EXPECT_LT(caret.x, inner.x + inner.width);
    EXPECT_GT(manager.Items()[edit - 1].edit.scroll, 0);
    Key(popup, VK_HOME);
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, inner.x);
    EXPECT_EQ(manager.Items()[edit - 1].edit.scroll, 0);

    // A click places the caret; the text set by the owner tells nobody.
    const std::size_t toldBefore = told.size();
    EXPECT_TRUE(manager.SetItemText(edit, "龙龙"));
    EXPECT_EQ(told.size(), toldBefore);
    Click(popup, inner.x + 1, inner.y + 10);
    EXPECT_EQ(manager.Items()[edit - 1].edit.Caret(), 0u);
    Click(popup, inner.x + inner.width - 2, inner.y + 10);
    EXPECT_EQ(manager.Items()[edit - 1].edit.Caret(), 2u);
}

TEST_F(SkinItemsTest, ADigitsEditRefusesLettersADragSelectsAndHiddenItemsLoseTheFocus) {
    PellumWindow manager(skin_);
    EditItemOptions level;
    level.rect = {20, 50, 120, 28};
    level.chars = EditChars::Digits;
    level.limit = 4;
    level.text = "12 level 34";
    const int edit = manager.AddEdit(std::move(level));
    EditItemOptions name;
    name.rect = {150, 50, 150, 28};
    name.text = "骷髅 战将";
    const int other = manager.AddEdit(std::move(name));
    const HWND popup = MakePopup(manager);
    EXPECT_EQ(manager.ItemText(edit), "1234") << "digits only, cut to the limit";
    EXPECT_EQ(manager.FocusedItem(), edit);
    Char(popup, 0x01);  // Ctrl+A
    Type(popup, L"a9b");
    EXPECT_EQ(manager.ItemText(edit), "9");

    // Pressed at the start and dragged to the end of the other item's text.
    const SkinItem& item = manager.Items()[static_cast<std::size_t>(other - 1)];
    SendMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(157, 60));
    EXPECT_EQ(manager.FocusedItem(), other) << "a click gives an edit item the focus";
    SendMessageW(popup, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(290, 60));
    SendMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(290, 60));
    EXPECT_EQ(item.edit.SelectionStart(), 0u);
    EXPECT_EQ(item.edit.SelectionEnd(), 5u);
    Key(popup, VK_HOME);
    Key(popup, VK_DELETE);
    EXPECT_EQ(manager.ItemText(other), "髅 战将");
    Key(popup, VK_END);
    Char(popup, 0x7F);  // Ctrl+Backspace
    EXPECT_EQ(manager.ItemText(other), "髅 ") << "the word before the caret";
    SendMessageW(popup, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(157, 60));
    SendMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(157, 60));
    EXPECT_EQ(item.edit.SelectionEnd() - item.edit.SelectionStart(), 1u) << "a double-click takes a word";

    EXPECT_TRUE(manager.SetItemVisible(other, false));
    EXPECT_EQ(manager.FocusedItem(), 0) << "a hidden item gives the focus up";
    Type(popup, L"5");
    EXPECT_EQ(manager.ItemText(other), "髅 ");
    EXPECT_EQ(manager.ItemText(edit), "9");
}

TEST_F(SkinItemsTest, CheckBoxAndOptionButtonsToggleByClickSpaceAndArrowsAndTellTheirRoutines) {
    PellumWindow manager(skin_);
    std::vector<std::pair<int, int>> told;
    const auto record = [&](int, int index, std::optional<int> value) {
        told.emplace_back(index, value.value_or(-1));
        return 0;
    };
    ChoiceItemOptions check;
    check.rect = {20, 40, 140, 20};
    check.text.text = "只看BOSS";
    check.routine = record;
    const int box = manager.AddCheckBox(check);
    ChoiceItemOptions byName;
    byName.rect = {20, 70, 100, 20};
    byName.text.text = "按名称";
    byName.group = 1;
    byName.checked = true;
    byName.routine = record;
    const int first = manager.AddOptionButton(byName);
    ChoiceItemOptions byLevel = byName;
    byLevel.rect = {20, 95, 100, 20};
    byLevel.text.text = "按等级";
    const int second = manager.AddOptionButton(byLevel);
    const HWND popup = MakePopup(manager);
    const auto& items = manager.Items();
    EXPECT_EQ(items[static_cast<std::size_t>(box - 1)].textRect.x, 41) << "21 pixels right";
    EXPECT_EQ(items[static_cast<std::size_t>(first - 1)].textRect.x, 34) << "14 pixels right";
    EXPECT_FALSE(manager.IsItemChecked(first)) << "the later one of a group made checked wins";
    EXPECT_TRUE(manager.IsItemChecked(second));

    const DWORD boxOff = manager.Buffer().Pixel(30, 50), dotOff = manager.Buffer().Pixel(27, 80);
    Click(popup, 100, 50);  // on its text
    EXPECT_TRUE(manager.IsItemChecked(box));
    EXPECT_NE(manager.Buffer().Pixel(30, 50), boxOff) << "the box shows its tick";
    Click(popup, 30, 80);
    EXPECT_TRUE(manager.IsItemChecked(first));
    EXPECT_FALSE(manager.IsItemChecked(second));
    EXPECT_NE(manager.Buffer().Pixel(27, 80), dotOff);
    Click(popup, 30, 80);  // already on: no change to tell
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{box, 1}, {first, 1}}));

    EXPECT_TRUE(manager.FocusItem(box));
    Char(popup, L' ');
    EXPECT_FALSE(manager.IsItemChecked(box));
    EXPECT_TRUE(manager.FocusItem(first));
    Key(popup, VK_DOWN);
    EXPECT_EQ(manager.FocusedItem(), second);
    EXPECT_TRUE(manager.IsItemChecked(second));
    EXPECT_FALSE(manager.IsItemChecked(first));
    EXPECT_EQ(told.back(), (std::pair<int, int>{second, 1}));

    // Set by the owner: the group follows, nobody is told.
    const std::size_t toldBefore = told.size();
    EXPECT_TRUE(manager.SetItemChecked(first, true));
    EXPECT_FALSE(manager.IsItemChecked(second));
    EXPECT_EQ(told.size(), toldBefore);

    // Greyed: no clicks, no focus, skipped by Tab.
    EXPECT_TRUE(manager.SetItemGreyed(box, true));
    Click(popup, 100, 50);
    EXPECT_FALSE(manager.IsItemChecked(box));
    EXPECT_FALSE(manager.FocusItem(box));
    EXPECT_TRUE(manager.FocusItem(second));
    Tab();
    Tab();
    EXPECT_EQ(manager.FocusedItem(), second) << "round the two options, past the greyed box";
    EXPECT_FALSE(manager.SetItemChecked(7, true)) << "the host-values item is no choice";
}

TEST_F(SkinItemsTest, TabRunsThroughTheItemsIntoAListViewAndBackAndEnterPressesTheFocusedButton) {
    PellumWindow manager(skin_);
    EditItemOptions search;
    search.rect = {20, 40, 150, 28};
    const int edit = manager.AddEdit(std::move(search));
    int pressed = 0;
    ImageButtonOptions create;
    create.rect = {190, 40, 80, 28};
    create.caption = "新建";
    create.routine = [&](int kind, int) {
        EXPECT_EQ(kind, 100);
        ++pressed;
        return 0;
    };
    const int button = manager.AddImageButton(std::move(create));
    ChoiceItemOptions check;
    check.rect = {20, 90, 120, 20};
    check.text.text = "只看BOSS";
    const int box = manager.AddCheckBox(check);
    HWND list = nullptr;
    const HWND popup = MakePopup(manager, [&](HWND window) { list = MakeList(window); });
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(manager.FocusedItem(), edit);

    // The halo shows just outside the focused item.
    const DWORD plain = manager.Buffer().Pixel(188, 54), plainBox = manager.Buffer().Pixel(18, 100);
    Tab();
    EXPECT_EQ(manager.FocusedItem(), button);
    EXPECT_EQ(GetFocus(), popup);
    EXPECT_NE(manager.Buffer().Pixel(188, 54), plain);
    Char(popup, L'\r');
    Char(popup, L' ');
    EXPECT_EQ(pressed, 2) << "Enter and Space press it";

    Tab();
    EXPECT_EQ(manager.FocusedItem(), box);
    EXPECT_EQ(manager.Buffer().Pixel(188, 54), plain);
    EXPECT_NE(manager.Buffer().Pixel(18, 100), plainBox);
    Tab();
    EXPECT_EQ(GetFocus(), list) << "from the last item into the list";
    EXPECT_EQ(manager.Buffer().Pixel(18, 100), plainBox) << "no halo while a control has the focus";
    Tab();
    EXPECT_EQ(GetFocus(), popup) << "from the list back to the first item";
    EXPECT_EQ(manager.FocusedItem(), edit);
    Tab(true);
    EXPECT_EQ(GetFocus(), list);

    // A dialog loop leaves the list's Tab to the skin.
    MSG key{list, WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(popup, &key));
    EXPECT_EQ(GetFocus(), popup);
    EXPECT_EQ(manager.FocusedItem(), edit);

    // An order of the owner's own.
    manager.SetFocusOrder({{0, list}, {box, nullptr}});
    EXPECT_TRUE(manager.FocusItem(box));
    Tab();
    EXPECT_EQ(GetFocus(), list);
    Tab();
    EXPECT_EQ(manager.FocusedItem(), box);
    EXPECT_EQ(GetFocus(), popup);

    // Asked from outside, as the main window's owner does.
    EXPECT_TRUE(manager.ActivateItem(button));
    EXPECT_EQ(pressed, 3);
    EXPECT_TRUE(manager.FocusItem(0));
    EXPECT_EQ(manager.FocusedItem(), 0);
    EXPECT_FALSE(manager.FocusItem(2)) << "the title takes no focus";
}

TEST_F(SkinItemsTest, ASecondManagersOwnedPopupZoomsInAndOutBesideTheMainWindowAndEndsWhole) {
    Owner other;
    PellumWindow mainManager(skin_);
    ASSERT_EQ(mainManager.AttachTo(owner_.handle, {}), AttachStatus::Ok);
    PellumWindow listManager(skin_);
    TextItemOptions label;
    label.rect = {20, 40, 200, 20};
    label.text.text = "共 0 个怪物";
    listManager.AddText(label);
    HWND list = nullptr;
    const HWND popup = MakePopup(listManager, [&](HWND window) { list = MakeList(window); },
                                 PellumWindow::Showing::Animated);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner_.handle);
    EXPECT_EQ(ClassOf(popup), L"Pellum Window");
    EXPECT_EQ(mainManager.Window(), owner_.handle);
    EXPECT_EQ(listManager.Window(), popup);
    EXPECT_EQ(mainManager.AttachTo(other.handle, {}), AttachStatus::Busy) << "one window a manager";
    EXPECT_TRUE(listManager.Animating());
    EXPECT_TRUE(GetWindowLongW(popup, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(IsWindowVisible(popup));

    const auto whole = [&](bool shown) {
        RECT rect{};
        GetWindowRect(popup, &rect);
        EXPECT_TRUE(EqualRect(&rect, &kPopup));
        EXPECT_FALSE(GetWindowLongW(popup, GWL_EXSTYLE) & WS_EX_LAYERED);
        const HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(GetWindowRgn(popup, region), ERROR);
        EXPECT_FALSE(PtInRegion(region, 0, 0)) << "a rounded corner";
        EXPECT_TRUE(PtInRegion(region, 1, 5));
        EXPECT_TRUE(PtInRegion(region, 359, 120));
        DeleteObject(region);
        EXPECT_EQ(IsWindowVisible(popup) != FALSE, shown);
        EXPECT_FALSE(KillTimer(popup, 1)) << "the motion's timer is gone";
    };
    ASSERT_TRUE(PumpUntil([&] { return !listManager.Animating(); }));
    whole(true);
    EXPECT_EQ(PixelOf(list, 60, 60), RGB(0, 128, 0)) << "the list shows itself again";
    EXPECT_EQ(mainManager.Items().size(), 7u) << "the main window's skin is its own";

    // Ticks that come late skip frames; the first one after the motion's
    // length ends it whole.
    listManager.ShowAnimated(false);
    EXPECT_TRUE(GetWindowLongW(popup, GWL_EXSTYLE) & WS_EX_LAYERED);
    Sleep(400);
    ASSERT_TRUE(PumpUntil([&] { return !listManager.Animating(); }));
    whole(false);
    EXPECT_TRUE(IsWindow(popup)) << "hidden, not destroyed";

    listManager.ShowAnimated(true);
    // Hidden again at once: the showing ends whole first.
    listManager.ShowAnimated(false);
    ASSERT_TRUE(PumpUntil([&] { return !listManager.Animating(); }));
    whole(false);
    listManager.ShowAnimated(true);
    ASSERT_TRUE(PumpUntil([&] { return !listManager.Animating(); }));
    whole(true);
}

TEST_F(SkinItemsTest, AModalPopupDisablesItsOwnerUntilItIsGoneOrHidden) {
    PellumWindow manager(skin_);
    PellumWindow::CreateOptions options;
    options.owner = owner_.handle;
    options.modal = true;
    options.width = 200;
    options.height = 120;
    options.centre = true;
    bool ownerDisabled = false;
    options.onCreated = [&](HWND window) {
        ownerDisabled = !IsWindowEnabled(owner_.handle);
        PostMessageW(window, WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(manager.CreateSkinnedWindow(options), AttachStatus::Ok);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner_.handle));
    EXPECT_EQ(manager.Window(), nullptr);

    static PellumWindow* hiding = nullptr;
    hiding = &manager;
    options.onCreated = [](HWND window) {
        SetTimer(window, 77, 100, [](HWND timed, UINT, UINT_PTR id, DWORD) {
            KillTimer(timed, id);
            hiding->ShowAnimated(false);
        });
    };
    HWND created = nullptr;
    EXPECT_EQ(manager.CreateSkinnedWindow(options, &created), AttachStatus::Ok);
    EXPECT_TRUE(IsWindow(created));
    EXPECT_FALSE(IsWindowVisible(created));
    EXPECT_TRUE(IsWindowEnabled(owner_.handle));
    DestroyWindow(created);
}

}  // namespace
}  // namespace vorn::skin
