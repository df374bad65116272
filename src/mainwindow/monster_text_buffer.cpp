#include "mainwindow/monster_text_buffer.h"

#include "mainwindow/control_ids.h"
#include "mainwindow/equip_slot.h"
#include "mainwindow/read_profile.h"
#include "profile/monster_text.h"

namespace vorn::mainwindow {
namespace {

using profile::MonsterProfile;
using profile::ProfileField;

// Appends at the end of whatever the buffer holds, through the property
// interface only, as typing at the end of the edit would.
class TextBuffer {
public:
    explicit TextBuffer(runtime::PropertyAccess& properties) : properties_(properties) {}

    void Clear() { Write(""); }
    void Append(std::string_view piece) {
        std::string text = properties_.ReadText(kMainWindowId, id::kTextBuffer,
                                                runtime::prop::edit::kContent);
        text.append(piece);
        Write(text);
    }

private:
    void Write(std::string_view text) {
        properties_.WriteText(kMainWindowId, id::kTextBuffer,
                              runtime::prop::edit::kContent, text);
    }

    runtime::PropertyAccess& properties_;
};

// The slots the window has no name box for take the kept items.
void UseKeptItems(MonsterProfile& profile, const KeptFromFile& kept) {
    for (const EquipSlot& slot : EquipSlots()) {
        const auto index = static_cast<std::size_t>(slot.index);
        if (slot.nameBox == 0) profile.useItems[index] = kept.items[index];
    }
}

class AppendingObserver final : public profile::ProfileReadObserver {
public:
    AppendingObserver(TextBuffer& buffer, const KeptFromFile* kept,
                      const profile::KeptLineTexts& keptLines)
        : buffer_(buffer), kept_(kept), keptLines_(keptLines) {}

    void FieldRead(ProfileField field, int slot, const MonsterProfile& soFar) override {
        if (field == ProfileField::MonsterName) return;
        if (field == ProfileField::UseItem && kept_) {
            MonsterProfile withKeptItems = soFar;
            UseKeptItems(withKeptItems, *kept_);
            buffer_.Append(profile::FieldPiece(field, slot, withKeptItems));
        } else {
            buffer_.Append(profile::FieldPiece(field, slot, soFar));
        }
        if (field == ProfileField::UseSkill) {
            Append(keptLines_.endOfInfo);
            buffer_.Append(profile::kUseItemsSection);
        }
        if (field == ProfileField::UseItem && slot == profile::kSlotCount - 1)
            Append(keptLines_.endOfUseItems);
    }

private:
    void Append(const std::string& lines) {
        if (!lines.empty()) buffer_.Append(lines);
    }

    TextBuffer& buffer_;
    const KeptFromFile* kept_;
    const profile::KeptLineTexts& keptLines_;
};

}  // namespace

MonsterProfile BuildMonsterText(runtime::PropertyAccess& properties, const KeptFromFile* kept) {
    TextBuffer buffer(properties);
    buffer.Clear();
    const profile::KeptLineTexts keptLines =
        kept ? profile::PlaceKeptLines(kept->extras) : profile::KeptLineTexts{};
    if (!keptLines.beforeInfo.empty()) buffer.Append(keptLines.beforeInfo);
    buffer.Append(profile::kInfoSection);
    AppendingObserver appender(buffer, kept, keptLines);
    MonsterProfile profile = ReadProfile(properties, appender);
    if (kept) UseKeptItems(profile, *kept);
    return profile;
}

}  // namespace vorn::mainwindow
