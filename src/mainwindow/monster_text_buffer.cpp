#include "mainwindow/monster_text_buffer.h"

#include "mainwindow/control_ids.h"
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

class AppendingObserver final : public profile::ProfileReadObserver {
public:
    explicit AppendingObserver(TextBuffer& buffer) : buffer_(buffer) {}

    void FieldRead(ProfileField field, int slot, const MonsterProfile& soFar) override {
        if (field == ProfileField::MonsterName) return;
        buffer_.Append(profile::FieldPiece(field, slot, soFar));
        if (field == ProfileField::UseSkill) buffer_.Append(profile::kUseItemsSection);
    }

private:
    TextBuffer& buffer_;
};

}  // namespace

MonsterProfile BuildMonsterText(runtime::PropertyAccess& properties) {
    TextBuffer buffer(properties);
    buffer.Clear();
    buffer.Append(profile::kInfoSection);
    AppendingObserver appender(buffer);
    return ReadProfile(properties, appender);
}

}  // namespace vorn::mainwindow
