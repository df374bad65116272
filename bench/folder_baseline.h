// The yardstick of the folder benchmark: listing a folder and reading its
// monster files with the system's own calls and nothing else.
#pragma once

#include <cstddef>
#include <string>

struct BareReading {
    std::size_t files = 0;
    std::size_t bytes = 0;
};

// Reads every monster file of the folder (a UTF-8 path) whole: each
// "<name>.txt" that is not a "<name>-Item.txt".
BareReading ReadFolderBare(const std::string& folder);
