// One line of a container script cut into words: bare words, numbers,
// true/false, "quoted strings", @NAME.PROPERTY references and #DISPID names.
#pragma once

#include <string>
#include <vector>

struct ScriptWord {
    std::string text;     // the word, quotes removed
    bool quoted = false;  // it was a "string"
};

// False with a reason when a quote is not closed.
bool SplitScriptLine(const std::string& line, std::vector<ScriptWord>* words, std::string* error);

// A whole word as an integer: decimal, or hexadecimal after 0x.
bool ParseScriptInteger(const std::string& text, long long* value);
