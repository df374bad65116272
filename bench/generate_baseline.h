// The yardstick of the generate benchmark: the least a safe write of the
// same files needs, with the system's own calls and nothing else.
#pragma once

#include <string>

// Replaces `path` (UTF-8) with `bytes` safely: the old file is read and,
// when `keepAs` is not empty, kept there first (written and flushed); the new
// bytes go to a temporary file beside it, are flushed and moved over the
// old one. False when a call failed.
bool ReplaceBare(const std::string& path, const std::string& bytes, const std::string& keepAs);

// Removes a file, as keeping only the newest versions does.
bool RemoveBare(const std::string& path);

// Reads a file whole, as a check that nothing needs writing does.
bool ReadBare(const std::string& path, std::string& bytes);
