// The text of the monster file and of the drop-rate file, as the game server
// reads them: fixed comment and key lines, CR LF after every line. The body
// is assembled in the window's hidden text buffer, piece by piece.
#pragma once

#include <string>
#include <string_view>

#include "profile/monster_profile.h"
#include "runtime/property_access.h"

namespace vorn::profile {

// ";;==============人型怪物 " + name + " 配制文件=======================" CR LF.
std::string MonsterHeaderLine(std::string_view monsterName);

// ";" + name + "爆率文件" CR LF: the whole drop-rate file.
std::string DropRateLine(std::string_view monsterName);

// The comment line and key line written for one field (for UseItem, the
// slot's); empty for MonsterName, which only goes into the header.
std::string FieldPiece(ProfileField field, int slot, const MonsterProfile& profile);

// "[Info]", the ten field pieces, "[UseItems]" and the fourteen slot pieces.
std::string MonsterBody(const MonsterProfile& profile);

// Clears the hidden buffer 编辑框_临时, reads the profile and appends each
// field's piece at the end of the buffer as soon as the field is read. The
// buffer then holds MonsterBody of the returned profile.
MonsterProfile BuildMonsterText(runtime::PropertyAccess& properties);

}  // namespace vorn::profile
