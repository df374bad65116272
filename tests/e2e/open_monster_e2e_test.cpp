// Opening existing monsters in the real program: a file named on the command
// line, files dropped on the window (a WM_DROPFILES built here the way the
// shell builds one), generating them back byte for byte, a file whose second
// [UseItems] must not take over the generated file, and a broken file that
// gets an error box and changes nothing.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "e2e/app_session.h"
#include "runtime/base/utf_win.h"
#include "e2e/box_probe.h"
#include "e2e/drawn_items.h"
#include "e2e/expected_gbk.h"
#include "e2e/field_input.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "native/server_reading.h"
#include "runtime/base/gbk.h"

namespace vorn::e2e {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;

// A file as the program writes it: GBK, CR LF after every line.
std::string ProgramWritten(const std::vector<std::string_view>& lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append("\r\n");
    return ExpectedGbk(text);
}

const std::string kRedMoon = ProgramWritten({
    ";;==============人型怪物 赤月 恶魔 配制文件=======================", "[Info]",
    ";职业：道士", "Job=2", ";性别：女", "Gender=1", ";发型", "Hair=0",
    ";是否掉装备，1=掉，0=不掉", "DropUseItem=1", ";装备掉落几率%", "DropUseItemRate=30",
    ";是否允许挖取身上装备 1=是，0=否", "ButchUseItem=1",
    ";挖取身上装备机率0为百分百，数字越大，机率越小(无论是否成功，都将会收取费用)", "ButchRate=20",
    ";挖取身上装备收费模式(0金币，1元宝，2金刚石，3灵符)", "ButchChargeClass=3",
    ";挖取身上装备每次收费点数", "ButchChargeCount=88",
    ";使用魔法(2种技能之间用逗号隔开，例如：烈火剑法,半月弯刀,刺杀剑术)", "UseSkill=烈火剑法,半月弯刀",
    "[UseItems]", ";衣服", "UseItems0=天魔神甲", ";武器", "UseItems1=屠龙", ";勋章", "UseItems2=",
    ";项链", "UseItems3=", ";头盔", "UseItems4=圣战头盔", ";左手镯", "UseItems5=", ";右手镯",
    "UseItems6=", ";左戒指", "UseItems7=", ";右戒指", "UseItems8=", ";护身符", "UseItems9=",
    ";腰带", "UseItems10=", ";鞋子", "UseItems11=", ";宝石", "UseItems12=", ";斗笠", "UseItems13=",
});

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Drops files on the program's window as the shell does: DROPFILES with the
// wide paths, posted as WM_DROPFILES. Windows copies a posted drop's memory
// into the receiving process; Wine does not, so there the block is written
// into the receiver's memory, where its DragQueryFile finds it.
bool PostDrop(const AppSession& app, const std::vector<fs::path>& paths) {
    std::wstring list;
    for (const fs::path& path : paths) list.append(path.wstring()).push_back(L'\0');
    list.push_back(L'\0');
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    block.append(reinterpret_cast<const char*>(list.data()), list.size() * sizeof(wchar_t));

    void* drop = nullptr;
    if (UnderWine()) {
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, app.ProcessId());
        if (!process) return false;
        drop = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        const bool written =
            drop && WriteProcessMemory(process, drop, block.data(), block.size(), nullptr);
        CloseHandle(process);
        if (!written) return false;
    } else {
        drop = GlobalAlloc(GHND, block.size());
        std::memcpy(GlobalLock(drop), block.data(), block.size());
        GlobalUnlock(drop);
    }
    return PostMessageW(app.MainWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0) != 0;
}

// Every control's text, selection, visibility and enabled state (the clock
// left out: it ticks).
std::vector<std::string> ControlStates(const AppSession& app) {
    std::vector<std::string> states;
    for (HWND control : Descendants(app.MainWindow())) {
        if (ControlIdOf(control) == id::kClock) continue;
        states.push_back(Describe(control) + " sel " + std::to_string(ComboSelection(control)) +
                         (HasVisibleStyle(control) ? " shown" : " hidden") +
                         (IsWindowEnabled(control) ? "" : " disabled"));
    }
    return states;
}

// Answers the box with its one button and waits until it is gone.
void Acknowledge(std::optional<OpenBox>& box) {
    ASSERT_TRUE(box->Press("确定")) << box->Describe();
    ASSERT_TRUE(box->AwaitClosed());
}

// Generates; the file as written back into `folder`, where it was opened from.
std::string GenerateAndRead(AppSession& app, const fs::path& folder, std::wstring_view name) {
    // A click that lands while the window is still coming to the front is
    // lost; one more click then is what a user would do too.
    std::optional<OpenBox> box;
    for (int attempt = 0; attempt < 2 && !box; ++attempt) {
        BringToFront(app.MainWindow());
        app.UserMouse().ClickAt(DrawnItemPoint(app.MainWindow(), id::kGenerate));
        box = OpenBox::Await(app);
    }
    if (!box) return "<no box after generating>";
    EXPECT_EQ(box->Title(), "生成提示：") << box->Describe();
    EXPECT_NE(box->Message().find(runtime::Narrow(folder.wstring())), std::string::npos)
        << "the box names the folder written to: " << box->Describe();
    Acknowledge(box);
    EXPECT_FALSE(fs::exists(app.OutputDirectory() / std::wstring(name)));
    return ReadBytes(folder / std::wstring(name)).value_or("");
}

TEST(OpenMonster, FromTheCommandLineAndByDroppingFilesAndGeneratedBackUnchanged) {
    const ScratchDirectory server(L"vorn-e2e-server");
    const fs::path redMoon = server.Path() / L"赤月 恶魔.txt";
    WriteBytes(redMoon, kRedMoon);
    // Edited by hand: LF line ends, a key the program does not know, an
    // administrator's comment, a gender no list item has, an amulet.
    WriteBytes(server.Path() / L"Boss.txt",
               ExpectedGbk("[Info]\nJob=1\nGender=5\nMonGen=3\n;admin\n[UseItems]\n"
                           "UseItems9=屠龙\nUseItems0=天魔神甲\n"));
    WriteBytes(server.Path() / L"Boss-Item.txt", ExpectedGbk(";Boss爆率文件\r\n"));
    WriteBytes(server.Path() / L"broken.txt", "[Info]\r\nJob=\xFF\r\n");
    WriteBytes(server.Path() / L"Twice.txt",
               ExpectedGbk("[UseItems]\r\nUseItems0=甲\r\n[Info]\r\nJob=1\r\n[UseItems]\r\nUseItems0=乙\r\n"));
    std::string twiceGenerated;

    auto app = AppSession::Launch(ProgramUnderTest(), std::chrono::seconds(30),
                                  L"\"" + redMoon.wstring() + L"\"");
    EXPECT_EQ(AwaitTip(*app, "友情提示：已打开怪物文件 赤月 恶魔.txt"),
              "友情提示：已打开怪物文件 赤月 恶魔.txt");
    EXPECT_EQ(TextOf(app->Control(id::kMonsterName)), "赤月 恶魔");
    EXPECT_EQ(ComboSelection(app->Control(id::kJob)), 2);
    EXPECT_TRUE(IsWindowVisible(app->Control(id::kSkills)));
    EXPECT_EQ(TextOf(app->Control(id::kMedalName)), "勋章名称");
    // Generating reads every control back: the same bytes.
    EXPECT_EQ(GenerateAndRead(*app, server.Path(), L"赤月 恶魔.txt"), kRedMoon);

    // The drop-rate file stands for its monster; of two files the first opens.
    ASSERT_TRUE(PostDrop(*app,
                         {server.Path() / L"Boss-Item.txt", server.Path() / L"broken.txt"}));
    auto notes = OpenBox::Await(*app);
    ASSERT_TRUE(notes) << "no box names the gender the list lacks";
    EXPECT_EQ(notes->Title(), "打开提示：");
    EXPECT_NE(notes->Message().find("Gender=5"), std::string::npos) << notes->Describe();
    Acknowledge(notes);
    EXPECT_EQ(TipLine(*app), "友情提示：已打开怪物文件 Boss.txt（共 2 个文件，只打开了第一个）");
    const std::string boss = GenerateAndRead(*app, server.Path(), L"Boss.txt");
    for (std::string_view kept : {"\r\nGender=0\r\n", "\r\nUseSkill=\r\nMonGen=3\r\n;admin\r\n[UseItems]\r\n",
                                  "\r\nUseItems0=天魔神甲\r\n", "\r\nUseItems9=屠龙\r\n"})
        EXPECT_NE(boss.find(ExpectedGbk(kept)), std::string::npos) << kept;

    // A second [UseItems] after [Info]: the server reads the first, and so
    // must it read the generated file, however often it is opened again
    // (the second round opens what the first wrote back).
    const fs::path twice = server.Path() / L"Twice.txt";
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(PostDrop(*app, {twice}));
        auto twiceNotes = OpenBox::Await(*app);
        ASSERT_TRUE(twiceNotes) << "no box names the second [UseItems]";
        EXPECT_NE(twiceNotes->Message().find("[UseItems]"), std::string::npos) << twiceNotes->Describe();
        Acknowledge(twiceNotes);
        EXPECT_EQ(TextOf(app->Control(id::kClothesName)), "甲");
        const std::string generated = GenerateAndRead(*app, server.Path(), L"Twice.txt");
        auto sections = testing::ServerRead(runtime::GbkToUtf8(generated).value_or(""));
        EXPECT_EQ(sections["useitems"]["useitems0"], "甲") << generated;
        EXPECT_EQ(sections["info"]["job"], "1") << generated;
        if (round == 0)
            twiceGenerated = generated;
        else
            EXPECT_EQ(generated, twiceGenerated) << "generating the generated file changed it";
    }

    const std::vector<std::string> before = ControlStates(*app);
    ASSERT_TRUE(PostDrop(*app, {server.Path() / L"broken.txt"}));
    auto failure = OpenBox::Await(*app);
    ASSERT_TRUE(failure) << "no error box for a file that is not GBK";
    EXPECT_EQ(failure->Title(), "打开失败：");
    EXPECT_NE(failure->Message().find("GBK"), std::string::npos) << failure->Describe();
    Acknowledge(failure);
    EXPECT_EQ(ControlStates(*app), before);
    EXPECT_EQ(app->CloseAsUser(), 0u);
}

}  // namespace
}  // namespace vorn::e2e
