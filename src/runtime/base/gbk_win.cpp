#include <windows.h>

#include "runtime/base/gbk.h"

namespace vorn::runtime {
namespace {

constexpr UINT kGbkCodePage = 936;

std::optional<std::wstring> StrictWiden(std::string_view utf8) {
    const int size = static_cast<int>(utf8.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    const std::optional<std::wstring> wide = StrictWiden(utf8);
    if (!wide) return std::nullopt;

    // No best fit: "¥" must not quietly become "Y". The default-character flag
    // catches what has no code at all.
    const int wideSize = static_cast<int>(wide->size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide->data(),
                                           wideSize, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string gbk(static_cast<std::size_t>(length), '\0');
    usedDefault = FALSE;
    WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide->data(), wideSize, gbk.data(),
                        length, nullptr, &usedDefault);
    if (usedDefault) return std::nullopt;

    // Some tables map a character without saying so; reading the bytes back
    // must give the very same text.
    const int backLength = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(),
                                               length, nullptr, 0);
    if (backLength != wideSize) return std::nullopt;
    std::wstring back(static_cast<std::size_t>(backLength), L'\0');
    MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), length, back.data(),
                        backLength);
    if (back != *wide) return std::nullopt;
    return gbk;
}

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    if (gbk.empty()) return std::string();
    const int size = static_cast<int>(gbk.size());
    const int length =
        MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), size, wide.data(), length);

    const int wideSize = static_cast<int>(wide.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0) return std::nullopt;
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), utf8Length, nullptr,
                        nullptr);

    // A table that decodes a code it would encode differently (or maps an
    // unknown pair to a default character) fails here: only a text that gives
    // back the very same bytes may be used.
    if (Utf8ToGbk(utf8) != gbk) return std::nullopt;
    return utf8;
}

}  // namespace vorn::runtime
