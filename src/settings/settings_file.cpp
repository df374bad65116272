#include "settings/settings_file.h"

#include <algorithm>
#include <utility>

#include "runtime/base/text_encoding.h"
#include "runtime/base/unicode_text.h"
#include "settings/ini_text.h"

namespace vorn::settings {
namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

// Control characters other than tab and line ends mean bytes that only
// happened to decode: a binary file, or UTF-16 without its mark.
bool LooksLikeText(std::string_view utf8) {
    return std::ranges::none_of(utf8, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
    });
}

SettingsReading Ignored(std::string reason) { return {{}, std::move(reason)}; }

}  // namespace

SettingsReading ReadSettingsFile(const profile::FileContent& content) {
    using Status = profile::FileContent::Status;
    if (content.status == Status::Missing) return {};
    if (content.status == Status::Failed) return Ignored(content.error);

    const runtime::DecodedText text = runtime::DecodeText(content.bytes);
    if (!text.utf8) return Ignored(text.problem);
    if (!LooksLikeText(*text.utf8)) return Ignored("含有控制字符，不是文本文件");
    IniParse parse = ParseIni(*text.utf8);
    if (parse.problem) return Ignored(*parse.problem + "，不是设置文件的格式");
    return {std::move(parse.document), std::nullopt};
}

std::optional<std::string> SettingsFileBytes(const IniDocument& settings) {
    std::optional<std::string> utf16 = runtime::Utf8ToUtf16Le(FormatIni(settings));
    if (!utf16) return std::nullopt;
    return std::string(kUtf16LeBom) + *utf16;
}

}  // namespace vorn::settings
