// The files named on the program's command line: "Open with" and a file
// dropped on the program's icon both start it with the file's path.
#pragma once

#include <string>
#include <vector>

namespace vorn::shell {

// Every argument after the program's own name, as an absolute UTF-8 path. A
// relative name is taken from the directory the program was started in, so
// call this before the program makes its own directory the current one.
std::vector<std::string> FilesOnCommandLine();

}  // namespace vorn::shell
