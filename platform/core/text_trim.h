// Blanks off both ends of a line of text, as the platform's readers of
// hand-written files (forms, property bags) take their lines and values.
#pragma once

#include <cctype>
#include <string>

namespace nimbo {

inline std::string Trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

}  // namespace nimbo
