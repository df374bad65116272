// What importing a CSV file has to say about one of its rows, or about the
// whole file.
#pragma once

#include <cstddef>
#include <string>

namespace vorn::monsterfolder {

struct ImportMessage {
    std::size_t line = 0;  // the CSV line the row starts on; 0: the whole file
    std::string text;      // a sentence that names the line and the column
};

// "第 N 行", how a message names its line.
inline std::string LineText(std::size_t line) { return "第 " + std::to_string(line) + " 行"; }

}  // namespace vorn::monsterfolder
