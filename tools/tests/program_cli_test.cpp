// The kit's programs as a user first meets them: each explains itself on
// --help, names an option it does not take, and says so when a screenshot
// it was asked for cannot be written.
#include "tools/tests/program_fixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

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
                         ::testing::Values("plcsim", "nimbo-poll", "nimbo-regsvr", "nimbo-container", "nimbo-panel", "nimbo-dorvo", "nimbo-demo",
                                           "nimbo-gateway", "fault_soak", "memory_soak", "gateway_bench", "remote_panel_bench"
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
        ScreenshotCase{"nimbo-demo", "--screenshot /nonexistent-dir/x.png --after 0", "",
                       "nimbo-demo: cannot write screenshot /nonexistent-dir/x.png"},
        ScreenshotCase{"nimbo-dorvo", "--screenshot /nonexistent-dir/x.png --after 0", "",
                       "nimbo-dorvo: cannot write screenshot /nonexistent-dir/x.png"},
        ScreenshotCase{"nimbo-container", "", "screenshot /nonexistent-dir/x.png\n",
                       "error: 1: cannot write screenshot /nonexistent-dir/x.png"}),
    [](const auto& info) { return Named(info.param.program); });

}  // namespace
