// The kit's programs as a user first meets them: each explains itself on
// --help, names an option it does not take, and says so when a screenshot
// it was asked for cannot be written.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cctype>
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
        char pattern[] = "/tmp/nimbo-cli-XXXXXX";
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

// A program's name as a test's name.
std::string Named(std::string program)
{
    for (char& c : program)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return program;
}

class EveryProgram : public ProgramTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryProgram, ExplainsItselfAndNamesAnUnknownOption)
{
    for (const char* help : {"--help", "-h"}) {
        const Outcome asked = Start(GetParam(), help);
        EXPECT_EQ(asked.status, 0) << help << "\n" << asked.err;
        EXPECT_NE(asked.out.find("usage"), std::string::npos) << help << "\n" << asked.out;
        EXPECT_EQ(asked.err, "") << help;
    }
    const Outcome wrong = Start(GetParam(), "--bogus-option");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err.rfind(std::string(GetParam()) + ": unknown option --bogus-option\n", 0), 0u) << wrong.err;
    EXPECT_NE(wrong.err.find("usage"), std::string::npos) << wrong.err;
    EXPECT_EQ(wrong.out, "");
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryProgram,
                         ::testing::Values("plcsim", "nimbo-poll", "nimbo-regsvr", "nimbo-container", "nimbo-panel", "dorvo", "test",
                                           "fault_soak", "memory_soak"
#ifdef NIMBO_HAVE_BENCHMARKS
                                           ,
                                           "scan_bench", "client_bench"
#endif
                                           ),
                         [](const auto& info) { return Named(info.param); });

struct ScreenshotCase {
    const char* program;
    const char* args;
    const char* script;  // the program's standard input
    const char* report;  // the line on standard error
};
void PrintTo(const ScreenshotCase& c, std::ostream* os) { *os << c.program; }

class UnwritableScreenshot : public ProgramTest, public ::testing::WithParamInterface<ScreenshotCase> {};

TEST_P(UnwritableScreenshot, IsReportedWithTheFileAndFails)
{
    const ScreenshotCase& c = GetParam();
    const Outcome run = Start(c.program, c.args, c.script);
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find(std::string(c.report) + "\n"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("/nonexistent-dir/x.png"), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Programs, UnwritableScreenshot,
    ::testing::Values(
        ScreenshotCase{"test", "--screenshot /nonexistent-dir/x.png --after 0", "",
                       "test: cannot write screenshot /nonexistent-dir/x.png"},
        ScreenshotCase{"dorvo", "--screenshot /nonexistent-dir/x.png --after 0", "",
                       "dorvo: cannot write screenshot /nonexistent-dir/x.png"},
        ScreenshotCase{"nimbo-container", "", "screenshot /nonexistent-dir/x.png\n",
                       "error: 1: cannot write screenshot /nonexistent-dir/x.png"}),
    [](const auto& info) { return Named(info.param.program); });

}  // namespace
