// The container driving the server control, created by class from the
// registration store, against simulated stations on a pseudo-terminal.
#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/station_set.h"

#include <gtest/gtest.h>

#include <cstdio>
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

    // Runs a script; answers the exit status and fills the printed lines.
    int RunScript(const std::string& script, std::vector<std::string>* lines, const std::string& flags = "")
    {
        std::string path = folder + "/script.txt";
        std::ofstream(path) << script;
        FILE* pipe = popen((std::string(NIMBO_CONTAINER) + " " + flags + " " + path + " 2>/dev/null").c_str(), "r");
        char buf[512];
        while (pipe && std::fgets(buf, sizeof buf, pipe)) {
            std::string s(buf);
            if (!s.empty() && s.back() == '\n')
                s.pop_back();
            lines->push_back(s);
        }
        int raw = pipe ? pclose(pipe) : -1;
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string folder;
    plcsim::StationSet stations;
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
                           &out);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[0], "error: 2: AddClient: Get not supported (write-only property)");
    EXPECT_EQ(out[1], "error: 3: ReadyState: Set not supported (read-only property)");
    EXPECT_EQ(out[2].rfind("error: 4: class not registered: NO.SuchCtrl.1", 0), 0u) << out[2];
    EXPECT_EQ(out[3], "100");
    EXPECT_EQ(out[4], "a b");
    EXPECT_EQ(out[5], "100");

    out.clear();
    EXPECT_EQ(RunScript("create s NIMBO.NimboCtrl.1\nbogus\nget s COM\n", &out, "--strict"), 1);
    EXPECT_EQ(out, (std::vector<std::string>{"error: 2: unknown command bogus"}));
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
