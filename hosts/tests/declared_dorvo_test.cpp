// The generator-set panel written as declaring forms, with no code: the
// same client lists as the dorvo program and the same main window.
#include "hosts/dorvo/dorvo_panel.h"
#include "hosts/tests/host_fixture.h"
#include "platform/form_editor.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr DISPID kEditValue = 9;

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::unique_ptr<nimbo::Form> DeclaredMain(const std::string& path = NIMBO_EXAMPLES "/dorvo/generale.frm")
{
    std::string error;
    auto form = nimbo::Form::Load(path, &error);
    EXPECT_TRUE(form && form->Create(&error)) << error;
    return form;
}

}  // namespace

class DeclaredDorvo : public HostTest {
protected:
    // The main window once the values are in. The server's face, which follows
    // each tick of the scan, is hidden so that the picture holds only what the
    // forms decide.
    std::string Picture(nimbo::Form& f, const std::string& png)
    {
        f.Show();
        EXPECT_TRUE(RunUntil([&] { return Long(f, "ZEMEDIT10", kEditValue) == 1234; }));
        ShowWindow(f.ControlWindow("Nimbo1"), SW_HIDE);
        nimbo::RunEventLoop(50);
        EXPECT_TRUE(f.SaveScreenshot(png));
        f.Close();
        return Bytes(png);
    }
};

TEST_F(DeclaredDorvo, RegistersAsDorvoDoes)
{
    Serve(3).Set(300, 200);
    auto g = DeclaredMain();
    ASSERT_TRUE(g);
    g->Show();
    CNimboCtrl* server = Server(*g);
    EXPECT_EQ(server->clientWindows.size(), 20u);
    Click(*g, "Command1");
    Click(*g, "Command1");
    EXPECT_EQ(server->clientWindows.size(), 22u) << "opened once";
    nimbo::Form* costanti = g->Opened("costanti");
    ASSERT_NE(costanti, nullptr);
    ASSERT_TRUE(RunUntil([&] { return Long(*costanti, "ZEMEDIT1", kEditValue) == 200; }));
    Click(*costanti, "Command1");  // Ok
    EXPECT_FALSE(costanti->IsOpen());
    EXPECT_EQ(server->clientWindows.size(), 20u);
    g->Close();
}

TEST_F(DeclaredDorvo, ShowsTheSameMainWindowAsDorvo)
{
    plcsim::Station& st = Serve(3);
    st.Set(329, 1234);
    st.Set(327, 0x05);
    auto declared = DeclaredMain();
    ASSERT_TRUE(declared);
    const std::string picture = Picture(*declared, folder + "/declared.png");
    DorvoPanel panel;
    EXPECT_EQ(picture, Picture(panel.Main(), folder + "/dorvo.png")) << "pixel for pixel";
}

std::string Read(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A control moved by the designer and saved: the file changes in that
// control's place alone, as a version control diff shows it.
TEST_F(DeclaredDorvo, AMovedControlChangesOnlyItsPlaceInTheFile)
{
    const std::string copy = folder + "/generale.frm";
    std::filesystem::copy_file(NIMBO_EXAMPLES "/dorvo/generale.frm", copy);
    std::string error;
    auto form = nimbo::Form::Load(copy, &error);
    ASSERT_TRUE(form) << error;
    nimbo::FormEditor editor(*form);
    const std::string original = Read(copy);
    ASSERT_TRUE(editor.Move("ZEMEDIT5", 120, 240, &error)) << error;
    ASSERT_TRUE(editor.Save(&error)) << error;
    std::string expected = original;
    const std::size_t block = expected.find("    Begin ZEMEDIT5");
    expected.replace(expected.find("Left = 0", block), 8, "Left = 120");
    expected.replace(expected.find("Top = 0", block), 7, "Top = 240");
    EXPECT_EQ(Read(copy), expected);
}

// Saved by the designer untouched, each form reads back to what was saved,
// and the main window is the same panel, pixel for pixel.
TEST_F(DeclaredDorvo, SavedByTheDesignerIsTheSamePanel)
{
    plcsim::Station& st = Serve(3);
    st.Set(329, 1234);
    for (const char* name : {"generale", "costanti", "storico"}) {
        const std::string copy = folder + "/" + name + ".frm";
        std::filesystem::copy_file(std::string(NIMBO_EXAMPLES "/dorvo/") + name + ".frm", copy);
        std::string error;
        auto form = nimbo::Form::Load(copy, &error);
        ASSERT_TRUE(form) << error;
        nimbo::FormEditor editor(*form);
        ASSERT_TRUE(editor.Save(&error)) << error;
        const std::string saved = editor.Text();
        form = nimbo::Form::Load(copy, &error);
        ASSERT_TRUE(form) << error;
        EXPECT_EQ(nimbo::FormEditor(*form).Text(), saved) << name;
    }
    auto saved = DeclaredMain(folder + "/generale.frm");
    ASSERT_TRUE(saved);
    const std::string picture = Picture(*saved, folder + "/saved.png");
    auto original = DeclaredMain();
    ASSERT_TRUE(original);
    EXPECT_EQ(picture, Picture(*original, folder + "/original.png"));
}
