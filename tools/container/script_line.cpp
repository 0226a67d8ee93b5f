#include "tools/container/script_line.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

bool SplitScriptLine(const std::string& line, std::vector<ScriptWord>* words, std::string* error)
{
    words->clear();
    std::size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        ScriptWord w;
        if (line[i] == '"') {
            w.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size()) {
                    char e = line[i++];
                    w.text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                    continue;
                }
                w.text += c;
            }
            if (!closed) {
                *error = "unterminated string";
                return false;
            }
        } else {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                w.text += line[i++];
        }
        words->push_back(std::move(w));
    }
    return true;
}

bool ParseScriptInteger(const std::string& text, long long* value)
{
    // strtoll alone would skip leading blanks (a quoted word may have them).
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    char* end = nullptr;
    errno = 0;
    *value = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    // All of it: a NUL inside the word would end strtoll's reading early.
    return end == text.c_str() + text.size() && errno == 0;
}
