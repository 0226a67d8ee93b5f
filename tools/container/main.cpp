// nimbo-container: creates controls by class in a window and drives them
// with a script, one command a line, from a file or standard input.
#include "tools/container/container.h"
#include "tools/container/script_runner.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    bool strict = false;
    const char* file = nullptr;
    int width = 640, height = 480;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--strict") == 0)
            strict = true;
        else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc && std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2)
            ++i;
        else if (argv[i][0] != '-' && file == nullptr)
            file = argv[i];
        else {
            std::fprintf(stderr, "usage: nimbo-container [--strict] [--size WxH] [SCRIPT]\n");
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
    ScriptRunner runner(container, in, strict, stdout);
    return runner.Run();
}
