// The program's own help page, help.html beside the program, opened by the
// "作者空间" link in the user's browser.
#pragma once

#include <string>
#include <string_view>

namespace vorn::mainwindow {

// file: URL of a local path (UTF-8). Backslashes become slashes; spaces,
// non-ASCII bytes and characters that mean something in a URL are
// percent-encoded. "C:\a b\帮助.html" -> "file:///C:/a%20b/%E5%B8%AE%E5%8A%A9.html";
// a network path "\\host\share\x" -> "file://host/share/x".
std::string FileUrl(std::string_view path);

// URL of help.html in the given program directory.
std::string HelpPageUrl(std::string_view programDirectory);

}  // namespace vorn::mainwindow
