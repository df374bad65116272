// Reading a monster file the way the game server reads it: GBK text (or UTF-8
// or UTF-16 an editor saved it in, see DecodeMonsterFile), lines
// ending in CR LF, LF or CR, ";" comments, [sections] and key=value lines,
// keys matched without regard to case, and of two equal keys (or sections)
// only the first counts. What the window shows comes out as a profile; every
// line the program would not write itself comes out as kept lines, so that
// generating the monster again gives back everything the file held.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/extra_lines.h"
#include "profile/monster_profile.h"
#include "runtime/base/text_encoding.h"

namespace vorn::profile {

// A monster file is a few kilobytes; anything above this is no monster file.
inline constexpr std::size_t kMonsterFileLimit = 1024 * 1024;

// Something about a file that does not reach the window or the next
// generation as it stands in the file.
struct FileNote {
    enum class Kind {
        ByteOrderMark,    // a UTF-8 mark in front of GBK text
        NotGbkCharacter,  // a character GBK cannot hold: generating refuses until it is gone
        NotInList,        // a code no list item has: shown and written as the first item
        RateAbove100,     // a rate the generation writes as 100
        RepeatedKey,      // a second copy of a key: only the first counts
        RepeatedSection,  // a second [Info] or [UseItems]
        MissingKeys,      // [Info] keys that are not there
    };
    Kind kind;
    // The key as the program writes it ("Job", "UseItems3"), or the section's
    // name ("Info"); empty for a mark, missing keys or a kept line.
    std::string key;
    // NotInList and RateAbove100: the value as the file has it;
    // NotGbkCharacter: the character.
    std::string value;
    std::string text;   // the sentence for the user
};

struct MonsterFile {
    // Every field, slots 9 and 13 included. The name is left empty: it comes
    // from the file's name, not from its content.
    MonsterProfile profile;
    ExtraLines extras;
    // Sentences for the user, in file order, about what does not reach the
    // window or the next generation as it stands in the file: a code no list
    // item has, a rate above 100, a second copy of a key, a missing key, a
    // byte-order mark, a character GBK cannot hold.
    std::vector<FileNote> notes;
    // What the file was read as; generating writes GBK whatever it was.
    runtime::TextEncoding encoding = runtime::TextEncoding::Gbk;
};

struct MonsterFileReading {
    enum class Refusal { None, NotText, NotDecodable, NoInfoSection };
    std::optional<MonsterFile> file;
    Refusal refusal = Refusal::None;  // when there is no file
    std::string error;  // why the bytes are no monster file, when there is no file

    // The reason alone, without the advice on the lines after it: for a list.
    std::string ShortError() const { return error.substr(0, error.find("\r\n")); }
};

// A value the window's list has no item for, or an empty one, shows as the
// list's first item. The bytes are refused when they are not text (control
// bytes such as NUL), in no encoding DecodeMonsterFile reads, or hold no
// [Info] section.
MonsterFileReading ReadMonsterFile(std::string_view bytes);

}  // namespace vorn::profile
