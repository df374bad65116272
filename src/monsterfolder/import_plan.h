// Importing a CSV file into a monster folder: first a plan that says which
// monsters will be created, which changed and which rows cannot be written,
// with every check done; then applying it. Each monster is written as the
// main window's generate command writes it (profile::PlanMonsterFiles): a
// monster whose file exists keeps what the window keeps of an opened file
// (slots 9 and 13, unknown keys, comments), and a drop-rate file holding a
// dig list is kept.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "monsterfolder/csv_import_table.h"
#include "monsterfolder/import_message.h"
#include "profile/file_store.h"
#include "profile/monster_files_writer.h"

namespace vorn::monsterfolder {

enum class ImportAction { Create, Change, Unchanged };

struct PlannedMonster {
    std::size_t line = 0;  // the CSV line of its row
    std::string name;
    ImportAction action = ImportAction::Unchanged;
    profile::MonsterFilesPlan files;
};

struct ImportPlan {
    std::string folder;
    std::vector<PlannedMonster> monsters;  // the rows that can be written, in file order
    std::vector<ImportMessage> errors;     // the rows that cannot, and the file's own errors
    std::vector<ImportMessage> warnings;

    std::size_t Count(ImportAction action) const;
};

// Compares every row with the folder and checks what writing it needs.
// Writes nothing. An existing monster file that cannot be read as one is not
// replaced: its row is an error.
ImportPlan PlanImport(profile::FileStore& files, const std::string& folder,
                      const ImportTable& table);

struct ImportResult {
    std::vector<std::string> written;    // paths replaced or created, in order
    std::optional<std::string> failure;  // what went wrong; then nothing stays written
};

// Writes the monsters the plan creates or changes. First every file is
// checked again (still as planned, still replaceable); any difference stops
// the import before the first write. Each file is replaced in one step; when
// one write fails, the files already written get their old bytes back (new
// ones are removed), so the folder is left as it was, and the failure says
// so, or names any file that could not be restored.
ImportResult ApplyImport(profile::FileStore& files, const ImportPlan& plan, std::string_view stamp);

}  // namespace vorn::monsterfolder
