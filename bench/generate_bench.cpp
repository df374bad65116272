// Time of one generate command, from the call until both files are closed:
// the profile read from an in-memory window, the text built in its buffer,
// and the monster file and drop-rate file replaced on disk in a temporary
// directory, with every file flushed to the disk before it replaces the old
// one. Prints the median and the 90th percentile in microseconds for three
// cases: a changed monster, a new monster and an unchanged one. Beside each,
// its floor: the same bytes written with the system's own calls and nothing
// else, as safely (the replaced file read and kept in the history first,
// the oldest kept version removed once there are as many as the program
// keeps, every file flushed before it replaces the old one), and the ratio.
//
//   generate_bench [runs]      (default 200)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "runtime/interfaces/box_request.h"
#include "profile/monster_history.h"
#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/equip_slot.h"
#include "mainwindow/generate_monster_files.h"
#include "generate_baseline.h"
#include "profile/native_file_store.h"

namespace {

using namespace vorn;
namespace fs = std::filesystem;
namespace prop = runtime::prop;

// The main window's edit texts and combo selections, nothing else: enough for
// the generate command, which only reads and writes those.
class BenchWindow final : public runtime::PropertyAccess {
public:
    BenchWindow() {
        for (const runtime::ControlLayout& control : mainwindow::MainWindowLayout().controls) {
            texts_[control.id] = std::string(control.text);
            selections_[control.id] = control.selection;
        }
    }
    std::int64_t ReadInteger(runtime::WindowId, runtime::ControlId control, int property) override {
        return property == prop::combo::kSelection ? selections_[control] : 0;
    }
    void WriteInteger(runtime::WindowId, runtime::ControlId control, int property,
                      std::int64_t value) override {
        if (property == prop::combo::kSelection) selections_[control] = static_cast<int>(value);
    }
    std::string ReadText(runtime::WindowId, runtime::ControlId control, int property) override {
        return property == prop::edit::kContent ? texts_[control] : std::string();
    }
    void WriteText(runtime::WindowId, runtime::ControlId control, int property,
                   std::string_view text) override {
        if (property == prop::edit::kContent) texts_[control] = std::string(text);
    }

private:
    std::map<runtime::ControlId, std::string> texts_;
    std::map<runtime::ControlId, int> selections_;
};

class SilentBoxes final : public runtime::BoxService {
public:
    runtime::BoxAnswer ShowBox(const runtime::BoxRequest& request) override {
        lastTitle = request.title;
        return runtime::PackAnswer(2, false);
    }
    std::string lastTitle;
};

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

enum class Scenario {
    NewMonster,      // a name not used before: both files are created
    ChangedMonster,  // the job changes each run: the monster file is replaced,
                     // the drop-rate file already holds its line
    Unchanged,       // nothing changed since the last run: both files are only read
};

struct Setup {
    BenchWindow window;
    profile::NativeFileStore files;
    SilentBoxes boxes;
    std::string directory;

    void Edit(runtime::ControlId control, std::string_view text) {
        window.WriteText(mainwindow::kMainWindowId, control, prop::edit::kContent, text);
    }
    void Select(runtime::ControlId control, int index) {
        window.WriteInteger(mainwindow::kMainWindowId, control, prop::combo::kSelection, index);
    }
};

struct Timings {
    std::vector<double> program;  // microseconds of each measured run
    std::vector<double> floor;
};

double MicrosSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// The same file operations, bare, in a folder of their own: `program` is the
// program's MonUseItems, where the run just wrote `name`.
bool FloorRun(Scenario scenario, const std::string& program, const std::string& floor,
              const std::string& name, int run, double& micros) {
    std::string monster, drop;
    if (!ReadBare(program + "/" + name + ".txt", monster) ||
        !ReadBare(program + "/" + name + "-Item.txt", drop))
        return false;
    const std::string target = floor + "/" + name;
    std::string seeded;
    if (scenario != Scenario::NewMonster && !ReadBare(target + ".txt", seeded) &&
        !(ReplaceBare(target + ".txt", monster, "") && ReplaceBare(target + "-Item.txt", drop, "")))
        return false;
    const auto start = std::chrono::steady_clock::now();
    bool ok = true;
    switch (scenario) {
        case Scenario::ChangedMonster: {
            // The replaced file is kept; once as many versions as the program
            // keeps are there, the oldest goes.
            const auto kept = [&](int number) { return floor + "/kept-" + std::to_string(number) + ".txt"; };
            ok = ReplaceBare(target + ".txt", monster, kept(run));
            const int oldest = run - static_cast<int>(profile::kHistoryVersionsKept);
            if (ok && oldest >= 0) ok = RemoveBare(kept(oldest));
            break;
        }
        case Scenario::NewMonster:
            ok = ReplaceBare(target + ".txt", monster, "") && ReplaceBare(target + "-Item.txt", drop, "");
            break;
        case Scenario::Unchanged: {
            std::string a, b;
            ok = ReadBare(target + ".txt", a) && ReadBare(target + "-Item.txt", b);
            break;
        }
    }
    micros = MicrosSince(start);
    return ok;
}

// Nothing when a generation failed.
std::optional<Timings> Measure(Setup& setup, Scenario scenario, int runs, const std::string& floor) {
    namespace id = mainwindow::id;
    constexpr int kWarmUp = 5;
    Timings timings;
    for (int run = 0; run < runs + kWarmUp; ++run) {
        const std::string name = scenario == Scenario::NewMonster
                                     ? "骷髅王" + std::to_string(run) + "号"
                                     : std::string("骷髅王");
        setup.Edit(id::kMonsterName, name);
        if (scenario == Scenario::ChangedMonster) setup.Select(id::kJob, run % 3);

        const auto start = std::chrono::steady_clock::now();
        mainwindow::GenerateMonsterFiles(
            setup.window, setup.files, setup.boxes, 0,
            mainwindow::DefaultOutputFolder(setup.directory, setup.files.Separator()),
            profile::VersionStamp(2026, 1, 1, run / 3600, run / 60 % 60, run % 60));
        const double micros = MicrosSince(start);
        if (setup.boxes.lastTitle != "生成提示：") return std::nullopt;
        double floorMicros = 0;
        if (!FloorRun(scenario, setup.directory + "/MonUseItems", floor, name, run, floorMicros))
            return std::nullopt;
        if (run >= kWarmUp) {
            timings.program.push_back(micros);
            timings.floor.push_back(floorMicros);
        }
    }
    return timings;
}

int RunBench(int runs) {
    namespace id = mainwindow::id;
    const fs::path program = fs::temp_directory_path() /
                             ("vorn-generate-bench-" + std::to_string(std::chrono::steady_clock::now()
                                                                          .time_since_epoch()
                                                                          .count()));
    fs::create_directories(program / "MonUseItems");
    fs::create_directories(program / "floor");
    const std::u8string programUtf8 = program.u8string();

    Setup setup;
    setup.directory.assign(programUtf8.begin(), programUtf8.end());
    setup.Edit(id::kMonsterName, "骷髅王");
    setup.Select(id::kButch, 1);
    setup.Select(id::kSkillOn, 1);
    setup.Edit(id::kSkills, "烈火剑法,半月弯刀,刺杀剑术");
    setup.Edit(id::kDropRate, "150");
    for (const mainwindow::EquipSlot& slot : mainwindow::EquipSlots())
        if (slot.nameBox != 0) setup.Edit(slot.nameBox, std::string(slot.word) + "之王");

    const std::pair<Scenario, const char*> scenarios[] = {
        {Scenario::ChangedMonster, "changed monster (monster file replaced)"},
        {Scenario::NewMonster, "new monster (both files created)"},
        {Scenario::Unchanged, "unchanged monster (nothing to write)"},
    };
    const std::u8string floorUtf8 = (program / "floor").u8string();
    const std::string floor(floorUtf8.begin(), floorUtf8.end());
    std::printf("GenerateMonsterFiles, %d runs each, call to both files closed; floor: bare calls\n",
                runs);
    int status = 0;
    for (const auto& [scenario, label] : scenarios) {
        const auto timings = Measure(setup, scenario, runs, floor);
        if (!timings) {
            std::fprintf(stderr, "generation failed: %s\n", label);
            status = 1;
            break;
        }
        const double median = Percentile(timings->program, 0.5);
        const double floorMedian = Percentile(timings->floor, 0.5);
        std::printf("  %-42s median %7.0f us   p90 %7.0f us   floor %7.0f us   ratio %.2f\n", label,
                    median, Percentile(timings->program, 0.9), floorMedian, median / floorMedian);
    }
    std::error_code ignored;
    fs::remove_all(program, ignored);
    return status;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    return RunBench(argc > 1 ? std::max(1, _wtoi(argv[1])) : 200);
}
#else
int main(int argc, char** argv) {
    return RunBench(argc > 1 ? std::max(1, std::atoi(argv[1])) : 200);
}
#endif
