// The broker password, read from a file only its owner may read, so that
// it never shows on a command line, in a process list or in a log.
#pragma once

#include <optional>
#include <string>

namespace tools {

// The file's first line; nothing, with a reason naming the file, when it
// cannot be read or others may read it.
std::optional<std::string> ReadPasswordFile(const std::string& path, std::string* error);

}  // namespace tools
