#include "monsterfolder/monster_folder.h"

#include <set>

#include "monsterfolder/row_summary.h"
#include "profile/monster_file_reader.h"
#include "profile/monster_name.h"

namespace vorn::monsterfolder {

FolderReading ReadMonsterFolder(profile::FileStore& files, const std::string& folder,
                                const ItemNameCheck& knownItem) {
    FolderReading reading;
    profile::FolderListing listing = files.ListFolder(folder);
    if (listing.error) {
        reading.error = std::move(listing.error);
        return reading;
    }
    std::set<std::string> names;
    for (const profile::FolderFile& file : listing.files)
        names.insert(profile::FileNameKey(file.name));

    reading.rows.reserve(listing.files.size());
    const std::string prefix = folder + files.Separator();
    for (const profile::FolderFile& file : listing.files) {
        if (!profile::IsMonsterFileName(file.name)) continue;
        const bool dropFile = names.contains(
            profile::FileNameKey(profile::DropRateFileName(profile::MonsterNameOf(file.name))));
        const profile::FileContent content =
            files.ReadFileUpTo(prefix + file.name, profile::kMonsterFileLimit);
        reading.rows.push_back(SummariseMonster(file, content, dropFile, knownItem));
    }
    return reading;
}

}  // namespace vorn::monsterfolder
