// nimbo-panel as a person writing forms meets it: a declaring form runs
// against a simulated station on the COM given on the command line, a bad
// form stops with its line, and the classes and their members are listed.
#include "tools/tests/program_fixture.h"

#include <gtest/gtest.h>

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

    std::string out, err;
};

TEST_F(PanelTest, ADeclaringFormScansTheComGivenOnTheCommandLine)
{
    const std::string form = Write("lamps.frm", R"(Form Lamps
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
)");
    const std::string log = folder + "/sim.log";
    const std::string sim = std::string(NIMBO_BIN) + "/plcsim --com 7 --station 2 --set 2:40=1 --log " + log +
                            " >/dev/null 2>&1 & echo $! >" + folder + "/sim.pid";
    ASSERT_EQ(std::system(sim.c_str()), 0);
    for (int i = 0; i < 50 && !std::filesystem::exists(folder + "/COM7"); ++i)
        std::system("sleep 0.1");
    const int status = Panel(form + " --com 7 --screenshot " + folder + "/lamps.png --after 1500");
    std::system(("kill $(cat " + folder + "/sim.pid)").c_str());
    EXPECT_EQ(status, 0) << err;
    EXPECT_TRUE(std::filesystem::exists(folder + "/lamps.png"));
    EXPECT_NE(Read(log).find("st=2 read reg=40"), std::string::npos) << "the form's server scanned COM7, not COM1";
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
