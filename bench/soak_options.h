// The soaks' command lines: named options that each take a value, --help,
// and anything else refused with the usage.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace soak {

// Nothing when the arguments are fine; else the status to exit with, after
// the usage (asked for, or with what is wrong) has been printed. Options in
// `flags` take no value.
inline std::optional<int> CheckArguments(int argc, char** argv, const char* program, const char* usage,
                                         std::initializer_list<std::string_view> takeValues,
                                         std::initializer_list<std::string_view> flags = {})
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::find(flags.begin(), flags.end(), arg) != flags.end())
            continue;
        if (std::find(takeValues.begin(), takeValues.end(), arg) == takeValues.end()) {
            std::fprintf(stderr, "%s: %s %s\n%s", program, arg.starts_with("-") ? "unknown option" : "unexpected",
                         argv[i], usage);
            return 2;
        }
        if (++i >= argc) {
            std::fprintf(stderr, "%s: %s needs a value\n", program, argv[i - 1]);
            return 2;
        }
    }
    return std::nullopt;
}

inline const char* Value(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return nullptr;
}

inline int Arg(int argc, char** argv, const char* name, int fallback)
{
    const char* v = Value(argc, argv, name);
    return v ? std::atoi(v) : fallback;
}

inline bool Flag(int argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}

}  // namespace soak
