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

}  // namespace vorn::monsterfolder
