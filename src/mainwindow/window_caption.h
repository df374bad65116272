// The text of the main window's caption: which monster is in the window and
// whether it has changes that are not generated yet.
#pragma once

#include <string>
#include <string_view>

namespace vorn::mainwindow {

// "<name> - Vorn_人形怪配置器", or the bare title while the name is empty or
// blank; "*" at the very end while there are changes ("赤月 - Vorn_人形怪配置器*").
std::string WindowCaption(std::string_view monsterName, bool changes);

}  // namespace vorn::mainwindow
