#include "mainwindow/window_caption.h"

#include "mainwindow/main_window_layout.h"

namespace vorn::mainwindow {

std::string WindowCaption(std::string_view monsterName, bool changes) {
    const bool blank = monsterName.find_first_not_of(" \t") == std::string_view::npos;
    std::string caption = blank ? std::string() : std::string(monsterName) + " - ";
    caption += MainWindowLayout().title;
    if (changes) caption += "*";
    return caption;
}

}  // namespace vorn::mainwindow
