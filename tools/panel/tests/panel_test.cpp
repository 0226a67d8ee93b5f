// nimbo-panel as a person writing forms meets it: a declaring form runs
// against a simulated station on the COM given on the command line, design
// mode runs nothing and writes nothing unasked, a bad form stops with its
// line, and the classes and their members are listed.
#include "tools/tests/program_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class PanelTest : public ProgramTest {
protected:
    // Runs bin/nimbo-panel ARGS; answers its exit status.
    int Panel(const std::string& args)
    {
        const Outcome run = Start("nimbo-panel", args);
        out = run.out;
        err = run.err;
        return run.status;
    }
    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = folder + "/" + name;
        std::ofstream(path) << text;
        return path;
    }

    // plcsim on COM<com>, logging to `log`, until StopSimulator.
    void StartSimulator(int com)
    {
        log = folder + "/sim.log";
        const std::string sim = std::string(NIMBO_BIN) + "/plcsim --com " + std::to_string(com) +
                                " --station 2 --set 2:40=1 --log " + log + " >/dev/null 2>&1 & echo $! >" + folder +
                                "/sim.pid";
        ASSERT_EQ(std::system(sim.c_str()), 0);
        const std::string link = folder + "/COM" + std::to_string(com);
        for (int i = 0; i < 50 && !std::filesystem::exists(link); ++i)
            std::system("sleep 0.1");
    }
    void StopSimulator() { std::system(("kill $(cat " + folder + "/sim.pid)").c_str()); }

    std::string out, err, log;
};

const char* const kLamps = R"(Form Lamps
    Server = "Nimbo1"
    RegisterClients = true
    StartServer = true
    Begin Led1 LEDLib.Led
        Plc = 2
        Reg = 40
    End
    Begin Nimbo1 NIMBOLib.Nimbo
        COM = 1
        InternalTimer = 50
        PlcEnabled2 = 1
        PlcStart2 = 40
        PlcStop2 = 55
    End
End
)";

TEST_F(PanelTest, ADeclaringFormScansTheComGivenOnTheCommandLine)
{
    const std::string form = Write("lamps.frm", kLamps);
    StartSimulator(7);
    const int status = Panel(form + " --com 7 --screenshot " + folder + "/lamps.png --after 1500");
    StopSimulator();
    EXPECT_EQ(status, 0) << err;
    EXPECT_TRUE(std::filesystem::exists(folder + "/lamps.png"));
    EXPECT_NE(Read(log).find("st=2 read reg=40"), std::string::npos) << "the form's server scanned COM7, not COM1";
}

TEST_F(PanelTest, InDesignModeNoServerRunsAndTheFileStaysAsItWas)
{
    std::string text = kLamps;
    text.replace(text.find("COM = 1"), 7, "COM = 7");
    const std::string form = Write("lamps.frm", text);
    StartSimulator(7);
    const int status = Panel("--design " + form + " --select Led1 --screenshot " + folder + "/design.png --after 800");
    StopSimulator();
    EXPECT_EQ(status, 0) << err;
    EXPECT_TRUE(std::filesystem::exists(folder + "/design.png"));
    EXPECT_EQ(Read(log).find(" read "), std::string::npos) << Read(log);
    EXPECT_EQ(Read(form), text);

    EXPECT_EQ(Panel("--design " + form + " --select Led9 --screenshot " + folder + "/x.png"), 2);
    EXPECT_NE(err.find("no control Led9 on form Lamps"), std::string::npos) << err;
    EXPECT_EQ(Panel("--design " + form + " --com 3"), 2) << "a session's COM would be saved into the file";
    EXPECT_EQ(Panel(form + " --select Led1"), 2);
    EXPECT_EQ(Panel(form + " --remote tcp://plant"), 2);
    EXPECT_NE(err.find("bad broker address tcp://plant"), std::string::npos) << err;
    EXPECT_EQ(Panel(form + " --remote mqtt://plant --com 3"), 2);
    EXPECT_EQ(Panel("--design " + form + " --remote mqtt://plant"), 2) << "a session's line would be saved into the file";
    chmod(Write("secret", "x\n").c_str(), 0644);
    EXPECT_EQ(Panel(form + " --remote mqtt://plant --user op --password-file " + folder + "/secret"), 2);
    EXPECT_NE(err.find("may be read by others"), std::string::npos) << err;
}

TEST_F(PanelTest, AFormNamingAnUnknownClassStopsWithItsLine)
{
    const std::string form = Write("bad.frm", "Form Bad\n    Begin X NOPE.Nothing\n    End\nEnd\n");
    EXPECT_EQ(Panel(form), 2);
    EXPECT_EQ(err.rfind(form + ":2: ", 0), 0u) << err;
}

TEST_F(PanelTest, ClassesAndTheirMembersAreListed)
{
    ASSERT_EQ(Panel("--list-classes"), 0) << err;
    for (const char* cls : {"NIMBOLib.Nimbo", "LEDLib.Led", "ZEMEDITLib.ZEMEDIT"})
        EXPECT_NE(out.find(cls), std::string::npos) << cls << " in\n" << out;
    ASSERT_EQ(Panel("--members LEDLib.Led"), 0) << err;
    EXPECT_NE(out.find("property 1 Plc long default 0 persisted\n"), std::string::npos) << out;
    EXPECT_NE(out.find(" Client long read-only default "), std::string::npos) << "not persisted\n" << out;
}

}  // namespace
