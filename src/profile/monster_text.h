// The text of the monster file and of the drop-rate file, as the game server
// reads them: fixed comment and key lines, CR LF after every line.
#pragma once

#include <string>
#include <span>
#include <string_view>

#include "profile/extra_lines.h"
#include "profile/monster_profile.h"

namespace vorn::profile {

inline constexpr std::string_view kInfoSection = "[Info]\r\n";
inline constexpr std::string_view kUseItemsSection = "[UseItems]\r\n";

// ";;==============人型怪物 " + name + " 配制文件=======================" CR LF.
std::string MonsterHeaderLine(std::string_view monsterName);

// Whether a line (without its line end) is such a header line, whatever name
// it holds.
bool IsMonsterHeaderLine(std::string_view line);

// ";" + name + "爆率文件" CR LF: the whole drop-rate file.
std::string DropRateLine(std::string_view monsterName);

// The comment line and key line written for one field (for UseItem, the
// slot's); empty for MonsterName, which only goes into the header.
std::string FieldPiece(ProfileField field, int slot, const MonsterProfile& profile);

// "[Info]", the ten field pieces, "[UseItems]" and the fourteen slot pieces.
std::string MonsterBody(const MonsterProfile& profile);

// The kept lines of an opened file as the text written at each place: the
// preamble's in front of "[Info]", the others at the end of the section they
// stood in, each group in the order it came. A kept second [UseItems] header
// of the [Info] part and every kept line after it go after the program's
// [UseItems] lines instead: written where it stood, before the program's
// [UseItems], that header would take over its section. (The [Info] part can
// hold one only when the file's first [UseItems] came before its [Info], so
// these lines still follow the [UseItems] part's kept lines, as in the file.)
struct KeptLineTexts {
    std::string beforeInfo;
    std::string endOfInfo;
    std::string endOfUseItems;
};
KeptLineTexts PlaceKeptLines(const ExtraLines& extras);

// MonsterBody with the kept lines in their places. Without kept lines it is
// exactly MonsterBody(profile).
std::string MonsterBody(const MonsterProfile& profile, const ExtraLines& extras);

// Each line followed by CR LF.
std::string LinesText(std::span<const std::string> lines);

}  // namespace vorn::profile
