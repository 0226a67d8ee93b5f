// Runs the kit's programs as built in bin/ (NIMBO_BIN), as a user would
// from a shell: in a folder of their own, with no real line (an empty
// devices folder), the build's registration store and headless Qt.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-program-XXXXXX";
        folder = mkdtemp(pattern);
        // No real line and no window: an empty devices folder, headless Qt.
        setenv("NIMBO_DEVICES", folder.c_str(), 1);
        setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static std::string Read(const std::string& path)
    {
        std::ifstream file(path);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // Runs bin/PROGRAM ARGS with `input` as its standard input.
    Outcome Start(const std::string& program, const std::string& args, const std::string& input = "")
    {
        std::ofstream(folder + "/in") << input;
        const std::string command = std::string(NIMBO_BIN) + "/" + program + " " + args + " <" + folder + "/in >" +
                                    folder + "/out 2>" + folder + "/err";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read(folder + "/out"), Read(folder + "/err")};
    }

    std::string folder;
};

}  // namespace
