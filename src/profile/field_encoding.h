// Whether the monster's texts fit the GBK files the game server reads, and
// if not, which character does not, in words the user can act on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "profile/extra_lines.h"
#include "profile/monster_profile.h"

namespace vorn::profile {

// The first character of UTF-8 text that GBK cannot hold, or nothing when GBK
// holds the whole text. Bytes that are not UTF-8 come out as they are.
std::optional<std::string> FirstNonGbkCharacter(std::string_view text);

// "“<field>”中的字符“X”无法用 GBK 编码保存，游戏服务端读不到它。", or nothing
// when GBK holds the whole text. Bytes that are not UTF-8 are called
// unrecognisable instead of being shown.
std::optional<std::string> GbkProblem(std::string_view fieldName, std::string_view text);

// The same for the first text field of a monster that GBK cannot hold, named
// as the window labels it (怪物名称, 掉落几率, ..., a slot by its word).
std::optional<std::string> ProfileGbkProblem(const MonsterProfile& profile);

// The same for the first kept line of an opened file that GBK cannot hold:
// "原文件 [Info] 段保留的一行“<line>”中的字符“X”……". The window has no
// control for these lines, so the sentence names the line itself.
std::optional<std::string> KeptLinesGbkProblem(const ExtraLines& extras);

}  // namespace vorn::profile
