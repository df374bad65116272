#include "monsterlist/monster_list_controller.h"

#include "mainwindow/main_window_controller.h"
#include "monsterfolder/csv_export.h"
#include "monsterfolder/csv_import_table.h"
#include "monsterfolder/import_plan.h"
#include "monsterlist/list_boxes.h"
#include "profile/history_restore.h"
#include "profile/monster_files_writer.h"
#include "profile/monster_name.h"

namespace vorn::monsterlist {
namespace {

using monsterfolder::ListColumn;
using monsterfolder::SortDirection;

// A CSV file larger than this is no monster list.
constexpr std::size_t kCsvLimit = 64u << 20;

std::vector<std::string> MessageLines(const std::vector<monsterfolder::ImportMessage>& messages) {
    std::vector<std::string> lines;
    for (const auto& message : messages) lines.push_back(message.text);
    return lines;
}

}  // namespace

MonsterListController::MonsterListController(profile::FileStore& files, runtime::BoxService& boxes,
                                             mainwindow::MainWindowController& main,
                                             ListPlatform platform)
    : files_(files), boxes_(boxes), main_(main), platform_(std::move(platform)) {}

std::string MonsterListController::PathOf(std::string_view fileName) const {
    return folder_ + files_.Separator() + std::string(fileName);
}

void MonsterListController::Reload() {
    folder_ = main_.MonsterFolder();
    reading_ = monsterfolder::ReadMonsterFolder(
        files_, folder_, [this](std::string_view item) { return main_.KnowsItem(item); });
    // A file the server would not read as one of its monsters.
    for (monsterfolder::MonsterRow& row : reading_.rows) {
        if (row.problem != monsterfolder::RowProblem::None || main_.KnowsMonster(row.name)) continue;
        row.problem = monsterfolder::RowProblem::UnknownMonster;
        row.status = "怪物名称【" + row.name + "】不在怪物名称表中";
    }
    search_.emplace(reading_.rows);
    Refilter();
}

void MonsterListController::Refilter() {
    shown_ = search_ ? search_->Matching(query_) : std::vector<std::size_t>{};
    if (problemsOnly_)
        std::erase_if(shown_, [this](std::size_t row) {
            return reading_.rows[row].problem == monsterfolder::RowProblem::None;
        });
    monsterfolder::SortRows(reading_.rows, shown_, sortColumn_, direction_);
}

void MonsterListController::SetQuery(std::string_view query) {
    query_ = std::string(query);
    Refilter();
}

void MonsterListController::ShowProblemsOnly(bool only) {
    problemsOnly_ = only;
    Refilter();
}

void MonsterListController::ChooseNameTable(mainwindow::KnownNames::Table which) {
    if (!platform_.chooseNameTable) return;
    const std::optional<std::string> path = platform_.chooseNameTable();
    if (!path) return;
    main_.ChooseNameTable(which, *path);
    Reload();
}

void MonsterListController::SortBy(ListColumn column) {
    if (column == sortColumn_) {
        direction_ = direction_ == SortDirection::Ascending ? SortDirection::Descending
                                                            : SortDirection::Ascending;
    } else {
        sortColumn_ = column;
        direction_ = SortDirection::Ascending;
    }
    Refilter();
}

std::string MonsterListController::Cell(std::size_t shownRow, ListColumn column) const {
    if (shownRow >= shown_.size()) return {};
    return monsterfolder::CellText(reading_.rows[shown_[shownRow]], column);
}

bool MonsterListController::HasProblem(std::size_t shownRow) const {
    return shownRow < shown_.size() &&
           reading_.rows[shown_[shownRow]].problem != monsterfolder::RowProblem::None;
}

std::optional<std::size_t> MonsterListController::RowOf(std::string_view name) const {
    for (std::size_t i = 0; i < shown_.size(); ++i)
        if (reading_.rows[shown_[i]].name == name) return i;
    return std::nullopt;
}

std::string MonsterListController::NameAt(std::size_t shownRow) const {
    return shownRow < shown_.size() ? reading_.rows[shown_[shownRow]].name : std::string();
}

std::string MonsterListController::Summary() const {
    if (reading_.error) return *reading_.error;
    std::size_t problems = 0;
    for (const auto& row : reading_.rows) problems += row.problem != monsterfolder::RowProblem::None;
    std::string text = "共 " + std::to_string(reading_.rows.size()) + " 个怪物";
    if (shown_.size() != reading_.rows.size()) text += "，显示 " + std::to_string(shown_.size()) + " 个";
    if (problems > 0) text += "，" + std::to_string(problems) + " 个有问题";
    return text;
}

void MonsterListController::Open(std::size_t shownRow) {
    if (shownRow >= shown_.size()) return;
    main_.OpenMonsterFile(PathOf(reading_.rows[shown_[shownRow]].fileName));
}

void MonsterListController::Copy(std::size_t shownRow) {
    if (shownRow >= shown_.size()) return;
    main_.CopyMonsterFile(PathOf(reading_.rows[shown_[shownRow]].fileName));
}

void MonsterListController::NewMonster() { main_.NewMonster(); }

void MonsterListController::Delete(std::size_t shownRow, runtime::WindowHandle owner) {
    if (shownRow >= shown_.size() || !platform_.recycle) return;
    const std::string name = reading_.rows[shown_[shownRow]].name;
    std::vector<std::string> paths = {PathOf(reading_.rows[shown_[shownRow]].fileName)};
    const std::string dropFile = PathOf(profile::DropRateFileName(name));
    const bool hasDropFile = files_.ReadFileUpTo(dropFile, 0).status != profile::FileContent::Status::Missing;
    if (hasDropFile) paths.push_back(dropFile);
    std::string message = "把怪物【" + name + "】移到回收站？\r\n\r\n";
    for (const std::string& path : paths) message += path + "\r\n";
    if (!Ask(boxes_, owner, "删除怪物：", std::move(message), "删除")) return;
    if (const auto problem = platform_.recycle(paths))
        Tell(boxes_, owner, "删除失败：", "没有删除怪物【" + name + "】：\r\n" + *problem);
    Reload();
}

std::vector<profile::HistoryVersion> MonsterListController::History(std::size_t shownRow) {
    if (shownRow >= shown_.size()) return {};
    return profile::ListHistory(files_, folder_, reading_.rows[shown_[shownRow]].name);
}

void MonsterListController::RestoreVersion(std::size_t shownRow,
                                           const profile::HistoryVersion& version,
                                           runtime::WindowHandle owner) {
    if (shownRow >= shown_.size()) return;
    const std::string name = reading_.rows[shown_[shownRow]].name;
    if (!Ask(boxes_, owner, "恢复历史版本：",
             "把怪物【" + name + "】恢复为 " + version.WhenText() +
                 " 保存的版本？\r\n\r\n现在的文件会先存入历史版本，随时可以再恢复。",
             "恢复"))
        return;
    const profile::MonsterFilesWriting writing =
        profile::RestoreVersion(files_, folder_, name, version, main_.VersionStamp());
    if (writing.failure) {
        std::string reason = writing.failure->detail;
        if (writing.failure->kind == profile::MonsterFilesProblem::Kind::ChangedMeanwhile)
            reason = writing.failure->path + " 正被其他程序改写";
        Tell(boxes_, owner, "恢复失败：",
             "没有恢复怪物【" + name + "】：\r\n" + reason +
                 (writing.monsterWritten ? "\r\n（怪物文件已恢复，掉落文件没有。）" : ""));
    }
    Reload();
}

void MonsterListController::ChangeFolder(runtime::WindowHandle owner) {
    if (!platform_.chooseFolder) return;
    const std::optional<std::string> folder = platform_.chooseFolder(folder_);
    if (!folder) return;
    if (!files_.DirectoryExists(*folder)) {
        Tell(boxes_, owner, "更换目录：", "找不到目录：\r\n" + *folder);
        return;
    }
    main_.ChooseMonsterFolder(*folder);
    Reload();
}

void MonsterListController::ExportCsv(runtime::WindowHandle owner) {
    if (!platform_.chooseCsvToWrite) return;
    const std::optional<std::string> path = platform_.chooseCsvToWrite("怪物列表.csv");
    if (!path) return;
    const monsterfolder::CsvExport csv = monsterfolder::ExportMonsterCsv(reading_.rows, shown_);
    if (const auto problem = files_.ReplaceContent(*path, csv.bytes)) {
        Tell(boxes_, owner, "导出失败：", "无法写入文件：\r\n" + *path + "\r\n原因：" + *problem);
        return;
    }
    std::string message = "已导出 " + std::to_string(shown_.size() - csv.skipped.size()) +
                          " 个怪物到：\r\n" + *path;
    if (!csv.skipped.empty())
        message += "\r\n\r\n无法读取、没有导出的怪物：\r\n" + LinesUpTo(csv.skipped, 10);
    Tell(boxes_, owner, "导出完成：", std::move(message));
}

void MonsterListController::ImportCsv(runtime::WindowHandle owner) {
    if (!platform_.chooseCsvToRead) return;
    const std::optional<std::string> path = platform_.chooseCsvToRead();
    if (!path) return;
    const profile::FileContent content = files_.ReadFileUpTo(*path, kCsvLimit);
    if (content.status != profile::FileContent::Status::Read) {
        Tell(boxes_, owner, "导入失败：",
             "无法读取文件：\r\n" + *path +
                 (content.error.empty() ? std::string() : "\r\n原因：" + content.error));
        return;
    }
    const monsterfolder::ImportTable table = monsterfolder::ReadMonsterCsv(content.bytes);
    const monsterfolder::ImportPlan plan = monsterfolder::PlanImport(files_, folder_, table);
    using monsterfolder::ImportAction;
    const std::size_t creates = plan.Count(ImportAction::Create);
    const std::size_t changes = plan.Count(ImportAction::Change);
    std::string message = "将在 " + folder_ + " 中新建 " + std::to_string(creates) + " 个、修改 " +
                          std::to_string(changes) + " 个怪物";
    if (const std::size_t same = plan.Count(ImportAction::Unchanged)) message += "（" + std::to_string(same) + " 个没有变化）";
    message += "。";
    if (!plan.errors.empty())
        message += "\r\n\r\n以下各行不会写入：\r\n" + LinesUpTo(MessageLines(plan.errors), 8);
    if (!plan.warnings.empty()) message += "\r\n提醒：\r\n" + LinesUpTo(MessageLines(plan.warnings), 4);
    if (creates + changes == 0) {
        Tell(boxes_, owner, "导入CSV：", message + "\r\n没有要写入的怪物。");
        return;
    }
    if (!Ask(boxes_, owner, "导入CSV：", message + "\r\n\r\n现在写入？", "写入")) return;
    const monsterfolder::ImportResult result = monsterfolder::ApplyImport(files_, plan, main_.VersionStamp());
    if (result.failure)
        Tell(boxes_, owner, "导入失败：", *result.failure);
    else
        Tell(boxes_, owner, "导入完成：", "已写入 " + std::to_string(result.written.size()) + " 个文件。");
    Reload();
}

}  // namespace vorn::monsterlist
