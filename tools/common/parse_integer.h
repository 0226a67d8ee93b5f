// Integers as people type them on a command line or in a script, read the
// same by every tool: decimal or 0x hex, with an optional sign. Unlike strtol base 0, a leading 0 does not mean octal,
// so "010" is ten, as a register number would be read aloud.
#pragma once

#include <optional>
#include <string_view>

namespace tools {

// Nothing when the text is empty, has stray characters or is out of range.
std::optional<long long> ParseInteger(std::string_view text, long long min, long long max);

}  // namespace tools
