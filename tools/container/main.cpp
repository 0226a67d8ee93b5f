// nimbo-container: creates controls by class in a window and drives them
// with a script, one command a line, from a file or standard input.
#include "tools/container/container.h"
#include "tools/container/script_runner.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

const char kUsage[] =
    "usage: nimbo-container [--strict] [--size WxH] [SCRIPT]\n"
    "Runs a script of container commands, one a line, from SCRIPT or standard\n"
    "input; the script's \"help\" command lists them. Errors go to standard error;\n"
    "the exit status is 1 when a line failed. --strict stops at the first one.\n";

}  // namespace

int main(int argc, char** argv)
{
    bool strict = false;
    const char* file = nullptr;
    int width = 640, height = 480;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--strict") {
            strict = true;
        } else if (arg == "--size") {
            if (i + 1 >= argc || std::sscanf(argv[i + 1], "%dx%d", &width, &height) != 2) {
                std::fputs(kUsage, stderr);
                return 2;
            }
            ++i;
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "nimbo-container: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        } else if (file == nullptr) {
            file = argv[i];
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    std::ifstream script;
    if (file) {
        script.open(file);
        if (!script) {
            std::fprintf(stderr, "nimbo-container: cannot read %s\n", file);
            return 2;
        }
    }
    std::istream& in = file ? static_cast<std::istream&>(script) : std::cin;

    Container container(width, height);
    ScriptRunner runner(container, in, strict, stdout, stderr);
    return runner.Run();
}
