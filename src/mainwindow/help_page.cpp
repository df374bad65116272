#include "mainwindow/help_page.h"

namespace vorn::mainwindow {
namespace {

// Characters a path segment may carry as they are; ':' keeps drive letters readable.
bool KeptAsIs(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    switch (c) {
        case '-': case '.': case '_': case '~': case '/': case ':':
        case '!': case '$': case '&': case '\'': case '(': case ')':
        case '*': case '+': case ',': case ';': case '=': case '@':
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string FileUrl(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string slashed(path);
    for (char& c : slashed)
        if (c == '\\') c = '/';

    // A network path already starts with the two slashes before its host; an
    // absolute POSIX path brings the third slash of an empty host itself.
    std::string url = "file:";
    if (!slashed.starts_with("//")) url += slashed.starts_with("/") ? "//" : "///";

    for (const char c : slashed) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeptAsIs(byte)) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}

std::string HelpPageUrl(std::string_view programDirectory) {
    std::string path(programDirectory);
    if (!path.ends_with('\\') && !path.ends_with('/')) path += '\\';
    path += "help.html";
    return FileUrl(path);
}

}  // namespace vorn::mainwindow
