// The container driving the server control, created by class from the
// registration store, against simulated stations on a pseudo-terminal.
#include "tools/plcsim/at_modem.h"
#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/station_set.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

class ContainerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-container-XXXXXX";
        folder = mkdtemp(pattern);
        setenv("NIMBO_DEVICES", folder.c_str(), 1);
        setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    void TearDown() override
    {
        if (server)
            server->Stop();
        unsetenv("NIMBO_DEVICES");
        std::filesystem::remove_all(folder);
    }

    // Runs a script; answers the exit status and fills the lines printed on
    // standard output and, when asked for, the errors on standard error.
    int RunScript(const std::string& script, std::vector<std::string>* lines, const std::string& flags = "",
                  std::vector<std::string>* errors = nullptr)
    {
        std::string path = folder + "/script.txt";
        std::string errorPath = folder + "/errors.txt";
        std::ofstream(path) << script;
        FILE* pipe = popen((std::string(NIMBO_CONTAINER) + " " + flags + " " + path + " 2>" + errorPath).c_str(), "r");
        char buf[512];
        while (pipe && std::fgets(buf, sizeof buf, pipe)) {
            std::string s(buf);
            if (!s.empty() && s.back() == '\n')
                s.pop_back();
            lines->push_back(s);
        }
        int raw = pipe ? pclose(pipe) : -1;
        // The platform names a headless message box there too; only the
        // script's errors are kept.
        std::ifstream errorFile(errorPath);
        for (std::string line; errors && std::getline(errorFile, line);)
            if (line.starts_with("error: "))
                errors->push_back(line);
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string folder;
    plcsim::StationSet stations;
    std::unique_ptr<plcsim::AtModem> modem;  // outlives the server that feeds it
    std::unique_ptr<plcsim::PtyServer> server;
};

}  // namespace

TEST_F(ContainerTest, ServerPollsReadsAndWritesThroughAutomation)
{
    plcsim::Station& st = stations.Add(1);
    st.Set(301, 123);
    server = std::make_unique<plcsim::PtyServer>(stations, 11, folder);
    server->Start();

    std::vector<std::string> out;
    int status = RunScript(R"(create s NIMBO.NimboCtrl.1 10 10
put s COM 11
put s Speed 19200
put s InternalTimer 40
put s PlcEnabled1 1
put s PlcStart1 300
put s PlcStop1 315
put s Go true
wait 700
get s Reg 1 301
put s Reg 1 302 50
wait 200
get s Go
events
quit
)",
                           &out);
    EXPECT_EQ(status, 0);
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(out[0], "123");
    EXPECT_EQ(out[1], "true");
    EXPECT_EQ(out[2], "s OnPlc 1");
    EXPECT_EQ(st.Get(302), 50);
}

TEST_F(ContainerTest, HostClassNameErrorsAndStrictMode)
{
    std::vector<std::string> out;
    std::vector<std::string> errors;
    int status = RunScript(R"(create s NIMBOLib.Nimbo
get s AddClient
put s ReadyState 4
create x NO.SuchCtrl.1
get s InternalTimer
put s Password "a b"
get s Password
get s #5
quit
)",
                           &out, "", &errors);
    EXPECT_EQ(status, 1);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0], "error: 2: AddClient: Get not supported (write-only property)");
    EXPECT_EQ(errors[1], "error: 3: ReadyState: Set not supported (read-only property)");
    EXPECT_EQ(errors[2].rfind("error: 4: class not registered: NO.SuchCtrl.1", 0), 0u) << errors[2];
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], "100");
    EXPECT_EQ(out[1], "a b");
    EXPECT_EQ(out[2], "100");

    out.clear();
    errors.clear();
    EXPECT_EQ(RunScript("create s NIMBO.NimboCtrl.1\nbogus\nget s COM\n", &out, "--strict", &errors), 1);
    EXPECT_EQ(out, (std::vector<std::string>{}));
    EXPECT_EQ(errors, (std::vector<std::string>{"error: 2: unknown command bogus"}));
}

struct StatusCase {
    const char* line;
    int status;
    const char* printed;  // on standard output
    const char* error;    // on standard error
};
void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.line; }

class ExitStatusTest : public ContainerTest, public ::testing::WithParamInterface<StatusCase> {};

// A line that failed, anywhere in the script, is the script's failure; the
// lines after it still run.
TEST_P(ExitStatusTest, SaysWhetherALineFailed)
{
    std::vector<std::string> out;
    std::vector<std::string> errors;
    const StatusCase& c = GetParam();
    EXPECT_EQ(RunScript("create s NIMBO.NimboCtrl.1\n" + std::string(c.line) + "\nget s Speed\n", &out, "", &errors),
              c.status);
    std::vector<std::string> printed;
    if (*c.printed)
        printed.push_back(c.printed);
    printed.push_back("115200");
    EXPECT_EQ(out, printed);
    EXPECT_EQ(errors, *c.error ? std::vector<std::string>{c.error} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Lines, ExitStatusTest,
                         ::testing::Values(StatusCase{"get s COM", 0, "1", ""},
                                           StatusCase{"get s Nothing", 1, "", "error: 2: no member Nothing"}));

// help lists every command the container takes, each one it runs.
TEST_F(ContainerTest, HelpListsTheCommands)
{
    std::vector<std::string> out;
    ASSERT_EQ(RunScript("help\n", &out), 0);
    std::string script;
    for (const std::string& line : out) {
        const std::string command = line.substr(0, line.find(' '));
        EXPECT_GT(line.size(), command.size() + 2) << "no description: " << line;
        if (command != "quit")
            script += command + "\n";
    }
    EXPECT_NE(script.find("members\n"), std::string::npos);
    std::vector<std::string> printed;
    std::vector<std::string> errors;
    RunScript(script, &printed, "", &errors);
    for (const std::string& error : errors)
        EXPECT_EQ(error.find("unknown command"), std::string::npos) << error;
}

TEST_F(ContainerTest, MembersNameEachPropertyMethodAndEvent)
{
    std::vector<std::string> out;
    std::vector<std::string> errors;
    EXPECT_EQ(RunScript("create s NIMBO.NimboCtrl.1\nmembers s\nmembers t\n", &out, "", &errors), 1);
    EXPECT_EQ(errors, (std::vector<std::string>{"error: 3: no control named t"}));
    for (const char* member : {"property 1 AddClient long write-only", "property 3 COM long", "property 6 Password string",
                               "property 7 Go boolean", "property 8 PlcEnabled1 long",
                               "property 110 Reg long (Plc long, Offset long)", "method -552 AboutBox",
                               "event 1 OnPlc (Plc long)"})
        EXPECT_NE(std::find(out.begin(), out.end(), member), out.end()) << member;
}

TEST_F(ContainerTest, PropertyBagRoundTripAndScreenshot)
{
    std::string bag = folder + "/s.bag";
    std::string png = folder + "/shot.png";
    std::vector<std::string> out;
    RunScript("create s NIMBO.NimboCtrl.1\nput s Speed 38400\nsave s " + bag + "\ncreate t NIMBO.NimboCtrl.1 50 0\nload t " +
                  bag + "\nget t Speed\nscreenshot " + png + "\n",
              &out);
    EXPECT_EQ(out, (std::vector<std::string>{"38400"}));
    std::ifstream saved(bag);
    std::stringstream text;
    text << saved.rdbuf();
    EXPECT_NE(text.str().find("Speed = 38400"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(png));
}

// What a script put together, saved as a form, runs under nimbo-panel as
// it ran in the container: the server on its line, its lamp registered.
TEST_F(ContainerTest, SavedFormRunsAsAPanel)
{
    stations.Add(1).Set(301, 1);
    server = std::make_unique<plcsim::PtyServer>(stations, 11, folder);
    server->Start();
    const std::string form = folder + "/boiler.frm";
    std::vector<std::string> out;
    ASSERT_EQ(RunScript("create s NIMBO.NimboCtrl.1 10 10\nput s COM 11\nput s PlcEnabled1 1\nput s PlcStart1 300\n"
                        "put s PlcStop1 315\ncreate lamp LED.LedCtrl.1 100 40\nput lamp Plc 1\nput lamp Reg 301\n"
                        "put s AddClient @lamp.Client\nput s Go true\nsave-form " + form + "\nsave-form " + folder +
                            "/g-saved.frm\nsave-form " + folder + "/2.frm\n",
                        &out),
              0);
    for (const auto& [file, first] : {std::pair{"/g-saved.frm", "Form g_saved\n"}, std::pair{"/2.frm", "Form Form2\n"}}) {
        std::ifstream named(folder + file);
        std::string line;
        std::getline(named, line);
        EXPECT_EQ(line + "\n", first) << "a form name made from the file's";
    }
    std::ifstream saved(form);
    std::stringstream text;
    text << saved.rdbuf();
    for (const char* line : {"Form boiler\n", "    Server = \"s\"\n", "    RegisterClients = true\n",
                             "    StartServer = true\n", "    Begin lamp LED.LedCtrl.1\n", "        Left = 1500\n",
                             "        Reg = 301\n"})
        EXPECT_NE(text.str().find(line), std::string::npos) << line << text.str();

    stations.Log().Clear();
    const std::string run = std::string(NIMBO_PANEL) + " " + form + " --screenshot " + folder + "/shot.png --after 800";
    EXPECT_EQ(std::system(run.c_str()), 0);
    EXPECT_FALSE(stations.Log().Entries().empty()) << "the panel's server polled the line";
}

// An operator's session by script alone: the diagnostic window behind its
// password on a running server, its Status view read while the scan runs,
// a PLC taken out of the scan from the Setup view, and the property sheet
// refusing a COM its page does not allow.
TEST_F(ContainerTest, DiagnosticWindowAndPropertySheetByScript)
{
    stations.Add(1).Set(3, 7);
    plcsim::Faults silent;
    silent.silent = true;
    stations.Add(2, silent);
    server = std::make_unique<plcsim::PtyServer>(stations, 12, folder);
    server->Start();

    std::vector<std::string> out;
    std::vector<std::string> errors;
    int status = RunScript(R"(create s NIMBO.NimboCtrl.1 10 10
put s COM 12
put s InternalTimer 40
put s Password "segreto"
put s PlcEnabled1 1
put s PlcStop1 15
put s PlcEnabled2 1
put s PlcStart2 100
put s PlcStop2 115
put s Go true
wait 800
dblclick s 5 5
dialog set 209 "segreto"
dialog ok
dialog click 4
wait 400
dialog cell 999 0 1
dialog cell 205 0 1
dialog cell 205 0 2
dialog cell 205 1 1
dialog cell 205 2 1
dialog click 3
dialog rclick 205 1 0
dialog menu "Reset"
dialog cell 205 1 1
dialog cell 205 7 0
dialog ok
wait 600
verb s Properties
dialog get 201
dialog set 201 "9"
dialog ok
dialog cancel
get s COM
get s PlcEnabled 2
quit
)",
                           &out, "", &errors);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, (std::vector<std::string>{"error: 17: the dialog has no item 999"}));
    ASSERT_EQ(out.size(), 10u) << (out.empty() ? "" : out.back());
    EXPECT_EQ(out[0], "Ok");
    EXPECT_NE(out[1].find(" ms"), std::string::npos) << out[1];
    EXPECT_EQ(out[2], "Dead");
    EXPECT_EQ(out[3], "") << "a PLC out of the scan shows no state";
    EXPECT_EQ(out[4], "0");
    EXPECT_EQ(out[5], "    8");
    EXPECT_EQ(out[6], "12");
    EXPECT_EQ(out[7].rfind("message: ", 0), 0u) << out[7];
    EXPECT_EQ(out[8], "12") << "the refused page put nothing";
    EXPECT_EQ(out[9], "false");

    // Once taken out of the table, PLC 2 was asked no more while PLC 1 went on.
    int afterLastOfTwo = 0;
    for (const auto& e : stations.Log().Entries())
        afterLastOfTwo = e.station == 2 ? 0 : afterLastOfTwo + (e.station == 1);
    EXPECT_GE(afterLastOfTwo, 8);
}

struct DialCase {
    bool bareConnect;  // the modem answers CONNECT without a speed
    const char* register301;
};
void PrintTo(const DialCase& c, std::ostream* os) { *os << (c.bareConnect ? "bare CONNECT" : "CONNECT 9600"); }

class DialingTest : public ContainerTest, public ::testing::WithParamInterface<DialCase> {};

// The server dials through the simulated modem at a tick a second and
// reads registers once it has connected; a bare CONNECT is no connection.
TEST_P(DialingTest, ServerDialsThenPolls)
{
    stations.Add(1).Set(301, 4321);
    plcsim::ModemFaults faults;
    faults.bare_connect = GetParam().bareConnect;
    modem = std::make_unique<plcsim::AtModem>(stations, 9600, faults);
    server = std::make_unique<plcsim::PtyServer>(stations, 13, folder, modem.get());
    server->Start();

    std::vector<std::string> out;
    EXPECT_EQ(RunScript(R"(create s NIMBO.NimboCtrl.1 10 10
put s COM 13
put s Modem true
put s ModemNumber "ATDT0521"
put s InternalTimer 40
put s PlcEnabled1 1
put s PlcStart1 300
put s PlcStop1 315
put s Go true
wait 4300
get s Reg 1 301
put s Go false
quit
)",
                        &out),
              0);
    EXPECT_EQ(out, (std::vector<std::string>{GetParam().register301}));
    std::vector<std::string> heard;
    for (const auto& e : stations.Log().Entries())
        if (e.kind == plcsim::RequestKind::ModemCommand)
            heard.push_back(e.text);
    ASSERT_GE(heard.size(), 3u);
    EXPECT_EQ(heard[0], "AT");
    EXPECT_EQ(heard[1], "AT&W1");
    EXPECT_EQ(heard[2], "ATDT0521");
}

// The server's library registers its own two pages: the sheet of a server
// made through the store has the general page and the modem page, no more.
TEST_F(ContainerTest, TheServersLibraryBringsItsTwoPages)
{
    std::vector<std::string> out, errors;
    EXPECT_EQ(RunScript(R"(create s NIMBO.NimboCtrl.1
verb s Properties
dialog page 1
dialog get 212
dialog page 2
dialog cancel
quit
)",
                        &out, "", &errors),
              1);
    EXPECT_EQ(out, (std::vector<std::string>{"AT++"}));
    EXPECT_EQ(errors, (std::vector<std::string>{"error: 5: the sheet has no page 2"}));
}

// Each stop hangs the modem up: the disconnect text reaches the line
// before the port is closed, every time.
TEST_F(ContainerTest, EveryStopPutsTheDisconnectTextOnTheLine)
{
    modem = std::make_unique<plcsim::AtModem>(stations, 9600, plcsim::ModemFaults{});
    server = std::make_unique<plcsim::PtyServer>(stations, 13, folder, modem.get());
    server->Start();
    std::string script = "create s NIMBO.NimboCtrl.1\nput s COM 13\nput s Modem true\nput s PlcEnabled1 1\n";
    for (int stop = 0; stop < 5; ++stop)
        // Time for the modem to take the test string on its own first: the
        // escape only counts when it arrives alone.
        script += "put s Go true\nwait 400\nput s Go false\nwait 200\n";
    std::vector<std::string> out;
    EXPECT_EQ(RunScript(script + "quit\n", &out), 0);
    int hangUps = 0;
    for (const auto& e : stations.Log().Entries())
        hangUps += e.kind == plcsim::RequestKind::ModemCommand && e.text == "AT++";
    EXPECT_EQ(hangUps, 5);
}

INSTANTIATE_TEST_SUITE_P(Modem, DialingTest,
                         ::testing::Values(DialCase{false, "4321"}, DialCase{true, "0"}));
