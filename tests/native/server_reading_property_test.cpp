// Opening and generating never change what the game server reads. Thousands
// of generated and mutated monster files (sections and keys in any order,
// duplicates, case and blank variants, stray headers, comments, blank lines,
// any line end) go through the real open and generate handlers; the file
// written is read back by a reader of the server's rules written here, apart
// from the program's own reader, and must give exactly what the window
// shows; generating from it again must give the same bytes.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_controller.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/read_profile.h"
#include "native/fake_window.h"
#include "native/memory_file_store.h"
#include "native/server_reading.h"
#include "profile/monster_file_reader.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"
#include "runtime/base/text_number.h"

namespace vorn::testing {
namespace {

// ---- Files to try ---------------------------------------------------------

class FileMaker {
public:
    explicit FileMaker(std::uint32_t seed) : random_(seed) {}

    // UTF-8 text of one monster file: random lines, or a file the program
    // wrote with random lines inserted, removed, repeated and re-spelled.
    std::string Make() {
        std::vector<std::string> lines = Pick(2) == 0 ? RandomLines() : MutatedProgramFile();
        static constexpr std::string_view kEnds[] = {"\r\n", "\n", "\r"};
        const int endStyle = Pick(4);  // one of kEnds for every line, or mixed
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += lines[i];
            if (i + 1 < lines.size() || Pick(2) == 0)
                text += kEnds[endStyle < 3 ? endStyle : Pick(3)];
        }
        return text;
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    template <typename T, std::size_t N>
    const T& Any(const T (&choices)[N]) { return choices[Pick(static_cast<int>(N))]; }

    std::string Spelled(std::string_view name) {
        switch (Pick(4)) {
            case 0: return LowerAscii(name);
            case 1: {
                std::string upper(name);
                for (char& c : upper)
                    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
                return upper;
            }
            default: return std::string(name);
        }
    }

    std::string SectionLine() {
        static constexpr std::string_view kNames[] = {"Info", "UseItems", "Info", "UseItems", "Other",
                                                      "Use Items"};
        const std::string name = Spelled(Any(kNames));
        switch (Pick(6)) {
            case 0: return " [ " + name + " ] ";
            case 1: return "[" + name + "] trailing";
            case 2: return "\t[" + name + "]]";
            case 3: return "[" + name;  // no "]": no section
            default: return "[" + name + "]";
        }
    }

    std::string KeyLine() {
        static constexpr std::string_view kKeys[] = {
            "Job", "Gender", "Hair", "DropUseItem", "DropUseItemRate", "ButchUseItem", "ButchRate",
            "ButchChargeClass", "ButchChargeCount", "UseSkill", "MonGen", "UseItems14"};
        static constexpr std::string_view kValues[] = {
            "0", "1", "2", "3", "7", " 1", "x", "", "30", "150", "\xEF\xBC\x95",  // full-width 5
            "甲", "乙", "屠龙", " 甲 ", "衣服名称", "a=b", "烈火剑法,半月弯刀"};
        std::string key = Pick(3) == 0 ? "UseItems" + runtime::IntegerText(Pick(14))
                                       : std::string(Any(kKeys));
        key = Spelled(key);
        if (Pick(4) == 0) key = " " + key + " ";
        return key + "=" + std::string(Any(kValues));
    }

    std::string OtherLine() {
        profile::MonsterProfile any;
        any.job = Pick(3);
        const std::string piece =
            profile::FieldPiece(static_cast<profile::ProfileField>(Pick(10)), Pick(14), any);
        static constexpr std::string_view kLines[] = {
            "", "   ", ";note", "no equals here", "; Job=2", "=lonely value",
            ";;==============人型怪物 旧 配制文件======================="};
        return Pick(3) == 0 && !piece.empty() ? piece.substr(0, piece.find("\r\n"))  // a comment the program writes
                                              : std::string(Any(kLines));
    }

    std::string AnyLine() {
        switch (Pick(5)) {
            case 0: return SectionLine();
            case 1: return OtherLine();
            default: return KeyLine();
        }
    }

    std::vector<std::string> RandomLines() {
        std::vector<std::string> lines;
        const int count = 3 + Pick(30);
        for (int i = 0; i < count; ++i) lines.push_back(AnyLine());
        if (Pick(5) != 0) lines.insert(lines.begin() + Pick(static_cast<int>(lines.size())), "[Info]");
        return lines;
    }

    std::vector<std::string> MutatedProgramFile() {
        profile::MonsterProfile monster;
        monster = {Pick(3), Pick(2), Pick(3), Pick(2), "30", Pick(2), "150", Pick(4), "88",
                   Pick(2) == 0, "烈火剑法", {}, "M"};
        monster.useItems[static_cast<std::size_t>(Pick(14))] = "甲";
        const std::string text = profile::MonsterHeaderLine("M") + profile::MonsterBody(monster);
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        for (int edits = 1 + Pick(5); edits > 0; --edits) {
            const auto at = lines.begin() + Pick(static_cast<int>(lines.size()));
            switch (Pick(5)) {
                case 0: lines.erase(at); break;
                case 1: lines.insert(at, lines[static_cast<std::size_t>(Pick(static_cast<int>(lines.size())))]); break;
                case 2: *at = Spelled(*at); break;
                default: lines.insert(at, AnyLine()); break;
            }
            if (lines.empty()) lines.push_back("[Info]");
        }
        return lines;
    }

    std::mt19937 random_;
};

// ---- The program, in memory -----------------------------------------------

class Program {
public:
    Program() {
        program_.directory = "mem";
        files.folders.insert("mem/MonUseItems");
        window.SetSink(&controller_);
    }

    // Opens the file and generates; the bytes of the monster file written
    // back into the folder it came from.
    std::string OpenAndGenerate(const std::string& folder) {
        boxes_.requests.clear();
        controller_.OpenMonsterFile(folder + "/M.txt");
        controller_.GenerateItemClicked();
        return files.Bytes(folder + "/M.txt").value_or("");
    }

    FakeWindow window{mainwindow::MainWindowLayout()};
    MemoryFileStore files;

private:
    FakeBoxService boxes_;
    FakeClock clock_;
    FakeSound sound_;
    FakeWeb web_;
    FakeProgram program_;
    mainwindow::MainWindowController controller_{
        {window, window, boxes_, clock_, sound_, web_, program_, files}};
};

// What the server reads from `sections` differs from the window's monster
// `shown` (slots 9 and 13, which the window has no box for, from `original`):
// the differences, one a line.
std::string Differences(const std::map<std::string, std::string>& info,
                        const std::map<std::string, std::string>& items,
                        const profile::MonsterProfile& shown, const ServerSection& original) {
    using runtime::IntegerText;
    const std::pair<std::string, std::string> expected[] = {
        {"job", IntegerText(shown.job)},
        {"gender", IntegerText(shown.gender)},
        {"hair", IntegerText(shown.hair)},
        {"dropuseitem", IntegerText(shown.dropUseItem)},
        {"dropuseitemrate", shown.dropUseItemRate},
        {"butchuseitem", IntegerText(shown.butchUseItem)},
        {"butchrate", shown.butchRate},
        {"butchchargeclass", IntegerText(shown.butchChargeClass)},
        {"butchchargecount", shown.butchChargeCount},
        {"useskill", shown.useSkillOn ? shown.useSkill : ""},
    };
    std::string differences;
    const auto check = [&](const ServerSection& read, const std::string& key, const std::string& want) {
        const auto found = read.find(key);
        const std::string got = found == read.end() ? "<missing>" : found->second;
        if (got != want) differences += key + ": read \"" + got + "\", shown \"" + want + "\"\n";
    };
    for (const auto& [key, want] : expected) check(info, key, want);
    for (int slot = 0; slot < profile::kSlotCount; ++slot) {
        const std::string key = "useitems" + IntegerText(slot);
        std::string want = shown.useItems[static_cast<std::size_t>(slot)];
        if (slot == 9 || slot == 13) {
            const auto kept = original.find(key);
            want = kept == original.end() ? "" : kept->second;
        }
        check(items, key, want);
    }
    return differences;
}

TEST(ServerReading, OfAGeneratedFileIsWhatTheWindowShowsAndGeneratingAgainChangesNoByte) {
    FileMaker maker(20261209);
    Program program;
    int accepted = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const std::string text = maker.Make();
        const std::string bytes = *runtime::Utf8ToGbk(text);
        if (!profile::ReadMonsterFile(bytes).file) continue;
        ++accepted;
        program.files.Put("mem/MonUseItems/M.txt", bytes);

        const std::string generated = program.OpenAndGenerate("mem/MonUseItems");
        auto server = ServerRead(*runtime::GbkToUtf8(generated));
        const profile::MonsterProfile shown = mainwindow::ReadProfile(program.window);
        const std::string differences = Differences(server["info"], server["useitems"], shown,
                                                    ServerRead(text)["useitems"]);
        ASSERT_EQ(differences, "") << "file:\n" << text << "\ngenerated:\n" << generated;

        ASSERT_EQ(program.OpenAndGenerate("mem/MonUseItems"), generated)
            << "generating again changed the file; first from:\n" << text;
    }
    EXPECT_GT(accepted, 2000) << "too few files were monster files to say much";
}

}  // namespace
}  // namespace vorn::testing
