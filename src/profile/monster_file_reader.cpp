#include "profile/monster_file_reader.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "profile/field_encoding.h"
#include "profile/gbk_line_check.h"
#include "profile/ini_syntax.h"
#include "profile/monster_file_encoding.h"
#include "profile/monster_text.h"
#include "runtime/base/text_number.h"

namespace vorn::profile {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// ---- Bytes to lines -------------------------------------------------------

// Text holds no control bytes but tab and the line and page ends. Neither a
// GBK nor a UTF-8 character holds a byte below 0x40 but its first, so for
// those the bytes tell; UTF-16 text is looked at once decoded.
bool HasControlByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && (byte < '\t' || byte > '\r');
    });
}

FileNote Note(FileNote::Kind kind, std::string text, std::string key = {}, std::string value = {}) {
    return {kind, std::move(key), std::move(value), std::move(text)};
}

// Calls take(line) for each line, without its end; CR LF, LF and a lone CR
// each end a line.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        take(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
}

// ---- The keys the program writes -----------------------------------------

// A field of [Info]: a code picked from a list, or a text taken as written.
struct InfoKey {
    std::string_view key;
    ProfileField field;
    int MonsterProfile::*code = nullptr;
    int choices = 0;               // list items; the code is the item's index
    std::string_view caption;      // of the list in the window
    std::string_view firstChoice;  // shown for a code the list lacks
    std::string MonsterProfile::*text = nullptr;
};

const std::array<InfoKey, 10>& InfoKeys() {
    using P = MonsterProfile;
    static const std::array<InfoKey, 10> kKeys{{
        {"Job", ProfileField::Job, &P::job, 3, "选择职业", "战士"},
        {"Gender", ProfileField::Gender, &P::gender, 2, "选择性别", "男"},
        {"Hair", ProfileField::Hair, &P::hair, 3, "选择发型", "0"},
        {"DropUseItem", ProfileField::DropUseItem, &P::dropUseItem, 2, "是否掉落", "否"},
        {"DropUseItemRate", ProfileField::DropUseItemRate, nullptr, 0, {}, {}, &P::dropUseItemRate},
        {"ButchUseItem", ProfileField::ButchUseItem, &P::butchUseItem, 2, "是否挖取", "否"},
        {"ButchRate", ProfileField::ButchRate, nullptr, 0, {}, {}, &P::butchRate},
        {"ButchChargeClass", ProfileField::ButchChargeClass, &P::butchChargeClass, 4, "收费模式",
         "金币"},
        {"ButchChargeCount", ProfileField::ButchChargeCount, nullptr, 0, {}, {},
         &P::butchChargeCount},
        {"UseSkill", ProfileField::UseSkill, nullptr, 0, {}, {}, &P::useSkill},
    }};
    return kKeys;
}

// Keys are numbered: [Info] keys by their place in InfoKeys(), slot N of
// [UseItems] as kFirstSlotKey + N.
constexpr int kFirstSlotKey = 100;

// "UseItems0" to "UseItems13", made once: every key line of a file is
// compared with them.
const std::string& SlotKey(int slot) {
    static const std::array<std::string, kSlotCount> kKeys = [] {
        std::array<std::string, kSlotCount> keys;
        for (int n = 0; n < kSlotCount; ++n)
            keys[static_cast<std::size_t>(n)] = "UseItems" + runtime::IntegerText(n);
        return keys;
    }();
    return kKeys[static_cast<std::size_t>(slot)];
}

std::string_view FirstLine(std::string_view piece) { return piece.substr(0, piece.find("\r\n")); }

// The comment lines the program writes above its keys, whatever the values
// (the job's comment names the job), each with the number of its key.
const std::map<std::string, int, std::less<>>& OwnComments() {
    static const std::map<std::string, int, std::less<>> kComments = [] {
        std::map<std::string, int, std::less<>> comments;
        for (int value = 0; value < 4; ++value) {
            MonsterProfile profile;
            for (const InfoKey& key : InfoKeys())
                if (key.code) profile.*key.code = value;
            for (std::size_t i = 0; i < InfoKeys().size(); ++i)
                comments.emplace(FirstLine(FieldPiece(InfoKeys()[i].field, 0, profile)),
                                 static_cast<int>(i));
        }
        for (int slot = 0; slot < kSlotCount; ++slot)
            comments.emplace(FirstLine(FieldPiece(ProfileField::UseItem, slot, MonsterProfile{})),
                             kFirstSlotKey + slot);
        return comments;
    }();
    return kComments;
}

// A list code: blanks around it allowed, nothing else but digits.
std::optional<int> ListCode(std::string_view value) {
    value = TrimBlanks(value);
    if (value.empty() || value.size() > 9) return std::nullopt;
    int code = 0;
    for (char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
        code = code * 10 + (c - '0');
    }
    return code;
}

// ---- Lines to a monster -------------------------------------------------

enum class Part { Preamble, Info, UseItems };

class Parser {
public:
    // `gbk`: for text from another encoding that GBK may not hold whole.
    Parser(MonsterFile& file, std::optional<GbkLineCheck> gbk) : file_(file), gbk_(gbk) {}

    void Take(std::string_view line) {
        ++lineNumber_;
        takenKey_.reset();
        if (!TakeSectionLine(line) && !(readingKeys_ && TakeKeyLine(line)) &&
            !TakeOwnComment(line))
            Kept().emplace_back(line);
        if (gbk_) CheckGbk(line);
    }

    bool SawInfo() const { return sawInfo_; }

    // After the last line: how many more copies each repeated key or section
    // had, in the note about its second copy.
    void CountRepeats() {
        for (const auto& [what, repeat] : repeats_)
            if (repeat.more > 0)
                file_.notes[repeat.note].text +=
                    "同样的还有 " + std::to_string(repeat.more) + " 处。";
    }

    // After the last line: which [Info] keys were not there, with the
    // window's initial values they show, four to a line.
    void NoteMissingKeys() {
        const MonsterProfile defaults;
        std::string note;
        int listed = 0;
        for (std::size_t i = 0; i < InfoKeys().size(); ++i) {
            if (seenKeys_.contains(static_cast<int>(i))) continue;
            const InfoKey& key = InfoKeys()[i];
            note.append(listed % 4 == 0 ? "\r\n    " : "、").append(key.key).append("=");
            note.append(key.code ? runtime::IntegerText(defaults.*key.code) : defaults.*key.text);
            ++listed;
        }
        if (listed > 0)
            file_.notes.push_back(
                Note(FileNote::Kind::MissingKeys,
                     "[Info] 中缺少以下几项，窗口显示初始值，生成时写入：" + note));
    }

private:
    std::vector<std::string>& Kept() {
        switch (keptIn_) {
            case Part::Info: return file_.extras.info;
            case Part::UseItems: return file_.extras.useItems;
            case Part::Preamble: break;
        }
        return file_.extras.preamble;
    }

    // The first [Info] and the first [UseItems] are the program's own lines;
    // any other section, with its lines, is kept where it stands.
    bool TakeSectionLine(std::string_view line) {
        const std::optional<std::string_view> section = SectionName(line);
        if (!section) return false;
        const std::string_view name = *section;
        readingKeys_ = false;
        sawSection_ = true;
        for (auto [own, part, seen] : {std::tuple{"Info", Part::Info, &sawInfo_},
                                       std::tuple{"UseItems", Part::UseItems, &sawUseItems_}}) {
            if (!SameIgnoringCase(name, own)) continue;
            if (!*seen) {
                *seen = true;
                keptIn_ = part;
                readingKeys_ = true;
                return true;
            }
            // A [UseItems] kept in [Info] goes to the end of the file (see
            // PlaceKeptLines), where it cannot take over the program's own.
            const bool moved = keptIn_ == Part::Info && part == Part::UseItems;
            NoteRepeat(
                own == std::string_view("Info") ? kInfoSectionRepeat : kUseItemsSectionRepeat,
                [own, moved] {
                    return Note(FileNote::Kind::RepeatedSection,
                                "第二个 [" + std::string(own) + "] 段不起作用（以第一个为准），" +
                                    (moved ? "原样保留，生成时连同其后保留的各行写在文件末尾。"
                                           : "原样保留在文件中。"),
                                own);
                });
        }
        Kept().emplace_back(line);
        return true;
    }

    bool TakeKeyLine(std::string_view line) {
        if (TrimBlanks(line).starts_with(';')) return false;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return false;
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        const std::string_view value = line.substr(equals + 1);
        const std::optional<int> number = KeyNumber(key);
        if (!number) return false;
        if (!seenKeys_.insert(*number).second) {
            NoteRepeat(*number, [line, number = *number] {
                return Note(FileNote::Kind::RepeatedKey,
                            "第二个 “" + std::string(TrimBlanks(line)) +
                                "” 不起作用（以第一个为准），原样保留在文件中。",
                            KeyName(number));
            });
            return false;
        }
        takenKey_ = *number;
        if (*number >= kFirstSlotKey)
            file_.profile.useItems[static_cast<std::size_t>(*number - kFirstSlotKey)] = value;
        else
            TakeInfoValue(InfoKeys()[static_cast<std::size_t>(*number)], line, value);
        return true;
    }

    static std::string KeyName(int number) {
        return number >= kFirstSlotKey
                   ? SlotKey(number - kFirstSlotKey)
                   : std::string(InfoKeys()[static_cast<std::size_t>(number)].key);
    }

    std::optional<int> KeyNumber(std::string_view key) const {
        if (keptIn_ == Part::Info) {
            for (std::size_t i = 0; i < InfoKeys().size(); ++i)
                if (SameIgnoringCase(key, InfoKeys()[i].key)) return static_cast<int>(i);
        } else {
            for (int slot = 0; slot < kSlotCount; ++slot)
                if (SameIgnoringCase(key, SlotKey(slot))) return kFirstSlotKey + slot;
        }
        return std::nullopt;
    }

    void TakeInfoValue(const InfoKey& key, std::string_view line, std::string_view value) {
        MonsterProfile& profile = file_.profile;
        if (key.text) {
            profile.*key.text = value;
            if (key.field == ProfileField::UseSkill) profile.useSkillOn = !value.empty();
            const bool rate =
                key.field == ProfileField::DropUseItemRate || key.field == ProfileField::ButchRate;
            // The same test the generation uses to cap a rate.
            if (rate && runtime::TextToNumber(value) - 100.0 > 0.0000001)
                file_.notes.push_back(Note(FileNote::Kind::RateAbove100,
                                           "“" + std::string(line) + "” 大于 100，生成时写为 100。",
                                           std::string(key.key), std::string(value)));
            return;
        }
        const std::optional<int> code = ListCode(value);
        if (code && *code < key.choices) {
            profile.*key.code = *code;
            return;
        }
        profile.*key.code = 0;
        file_.notes.push_back(Note(FileNote::Kind::NotInList,
                                   "“" + std::string(line) + "”：" + std::string(key.caption) +
                                       "里没有这一项，窗口显示第一项“" +
                                       std::string(key.firstChoice) + "”，生成时写为 " +
                                       std::string(key.key) + "=0。",
                                   std::string(key.key), std::string(value)));
    }

    // The header line above the first section and the comment above each key
    // are written anew by the program; the first of each is dropped here, and
    // a second copy is the administrator's and is kept.
    bool TakeOwnComment(std::string_view line) {
        if (!sawSection_) {
            if (sawHeader_ || !IsMonsterHeaderLine(line)) return false;
            sawHeader_ = true;
            return true;
        }
        if (!readingKeys_) return false;
        const auto found = OwnComments().find(line);
        if (found == OwnComments().end()) return false;
        const bool slotComment = found->second >= kFirstSlotKey;
        if (slotComment != (keptIn_ == Part::UseItems)) return false;
        return usedComments_.insert(found->second).second;
    }

    // A line GBK cannot hold stops the next generation: the user must change
    // it. The first few are named, then one note says there are more.
    void CheckGbk(std::string_view line) {
        if (notGbkNamed_ < kNotGbkLinesNamed) {
            if (!gbk_->Holds(line)) NoteNotGbk(line);
            return;
        }
        if (!gbk_->HoldsFrom(line))
            file_.notes.push_back(
                Note(FileNote::Kind::NotGbkCharacter,
                     "第 " + std::to_string(lineNumber_) + " 行起还有字符无法用 GBK 编码保存。"));
        gbk_.reset();
    }

    // Where to change the line: in the window when it shows there, else in
    // the file. A list code is written as a number and needs no change.
    void NoteNotGbk(std::string_view line) {
        const std::optional<std::string> character = FirstNonGbkCharacter(line);
        if (!character) return;
        bool shown = false;
        std::string key;
        if (takenKey_) {
            key = KeyName(*takenKey_);
            if (*takenKey_ >= kFirstSlotKey) {
                const int slot = *takenKey_ - kFirstSlotKey;
                shown = std::find(kWindowSlots.begin(), kWindowSlots.end(), slot) !=
                        kWindowSlots.end();
            } else if (InfoKeys()[static_cast<std::size_t>(*takenKey_)].code) {
                return;
            } else {
                shown = true;
            }
        }
        file_.notes.push_back(Note(
            FileNote::Kind::NotGbkCharacter,
            "第 " + std::to_string(lineNumber_) + " 行的字符“" + *character +
                "”无法用 GBK 编码保存，" +
                (shown ? "生成前请在窗口中改掉它。" : "窗口中不显示这一行，生成前请在原文件中改掉它。"),
            std::move(key), *character));
        ++notGbkNamed_;
    }

    // The second copy of a key or section gets a note; further copies are
    // only counted, so a file of many copies cannot make as many notes.
    template <typename MakeNote>
    void NoteRepeat(int what, MakeNote makeNote) {
        const auto [repeat, first] = repeats_.try_emplace(what, Repeat{file_.notes.size(), 0});
        if (first)
            file_.notes.push_back(makeNote());
        else
            ++repeat->second.more;
    }

    struct Repeat {
        std::size_t note;  // index in file_.notes
        std::size_t more;
    };
    // Keys by their number, sections by these.
    static constexpr int kInfoSectionRepeat = -1;
    static constexpr int kUseItemsSectionRepeat = -2;

    static constexpr std::size_t kNotGbkLinesNamed = 8;

    MonsterFile& file_;
    std::optional<GbkLineCheck> gbk_;
    std::size_t notGbkNamed_ = 0;
    std::size_t lineNumber_ = 0;
    std::optional<int> takenKey_;  // the key the current line gave a value, if any
    std::map<int, Repeat> repeats_;
    Part keptIn_ = Part::Preamble;  // where lines that are not the program's go
    bool readingKeys_ = false;      // inside the first [Info] or [UseItems]
    bool sawInfo_ = false;
    bool sawUseItems_ = false;
    bool sawHeader_ = false;
    bool sawSection_ = false;
    std::set<int> seenKeys_;
    std::set<int> usedComments_;
};

}  // namespace

MonsterFileReading ReadMonsterFile(std::string_view bytes) {
    using Refusal = MonsterFileReading::Refusal;
    MonsterFileReading reading;
    const auto notText = [&reading] {
        reading.refusal = Refusal::NotText;
        reading.error = "这不是文本文件（其中有 NUL 等控制字节），不能作为怪物文件打开。";
        return reading;
    };
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    if (!utf16 && HasControlByte(bytes)) return notText();
    runtime::DecodedText decoded = DecodeMonsterFile(bytes);
    if (utf16 && decoded.utf8 && HasControlByte(*decoded.utf8)) return notText();
    if (!decoded.utf8) {
        reading.refusal = Refusal::NotDecodable;
        reading.error = std::move(decoded.problem);
        return reading;
    }
    MonsterFile file;
    file.encoding = decoded.encoding;
    if (decoded.encoding == runtime::TextEncoding::Gbk && bytes.starts_with(kUtf8Bom))
        file.notes.push_back(Note(FileNote::Kind::ByteOrderMark,
                                  "文件开头有 UTF-8 的 BOM 标记，生成的文件不再带它。"));
    const std::string& text = *decoded.utf8;
    std::optional<GbkLineCheck> gbk;
    if (decoded.encoding != runtime::TextEncoding::Gbk) gbk.emplace(text);
    Parser parser(file, gbk);
    ForEachLine(text, [&parser](std::string_view line) { parser.Take(line); });
    if (!parser.SawInfo()) {
        reading.refusal = Refusal::NoInfoSection;
        reading.error = "文件中没有 [Info] 段，不是人形怪的怪物文件。";
        return reading;
    }
    parser.CountRepeats();
    parser.NoteMissingKeys();
    reading.file = std::move(file);
    return reading;
}

}  // namespace vorn::profile
