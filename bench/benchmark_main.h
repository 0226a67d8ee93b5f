// The command line every benchmark program of the kit has: --help prints
// the usage, the benchmark library takes its own options, anything else is
// named with the usage and ends the program with status 2.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

inline int RunBenchmarks(int argc, char** argv, const char* program, const char* usage)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            std::fputs(usage, stdout);
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    // What the benchmark library did not take is no option of this program.
    if (argc > 1) {
        std::fprintf(stderr, "%s: %s %s\n%s", program, argv[1][0] == '-' ? "unknown option" : "unexpected", argv[1],
                     usage);
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
