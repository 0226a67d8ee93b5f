// Forms that start themselves: clients registered with a declared server
// in form order and removed on unload, the server started, buttons that
// open another form once or close their own, and declarations that name
// what is not there refused with their line.
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/form_editor.h"
#include "platform/olectl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using nimbo::Form;

namespace {

std::vector<std::string> calls;  // what the servers were told, in order

class Board : public COleControl {
public:
    Board()
    {
        DispProperty(1, "AddClient", VT_I4, nullptr, [](const Variant& v) { calls.push_back("+" + v.AsString()); });
        DispProperty(2, "RemoveClient", VT_I4, nullptr, [](const Variant& v) { calls.push_back("-" + v.AsString()); });
        DispProperty(7, "Go", VT_BOOL, nullptr, [](const Variant& v) { calls.push_back(v.AsBool() ? "go" : "stop"); });
    }
    ~Board() override { DestroyWindow(); }
};

class Lamp : public COleControl {
public:
    std::int32_t id = 0;
    Lamp() { DispProperty(4, "Client", VT_I4, [this] { return Variant::Long(id); }, nullptr); }
    ~Lamp() override { DestroyWindow(); }
    void DoPropExchange(CPropExchange* px) override
    {
        COleControl::DoPropExchange(px);
        PX_Long(px, "Id", id, 0);
    }
};

class FormDeclared : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        Form::RegisterLocalClass("Test.Board", [] { return new Board; });
        Form::RegisterLocalClass("Test.Lamp", [] { return new Lamp; });
        char pattern[] = "/tmp/nimbo-declared-XXXXXX";
        folder = mkdtemp(pattern);
    }
    void TearDown() override
    {
        Form::RegisterLocalClass("Test.Board", nullptr);
        Form::RegisterLocalClass("Test.Lamp", nullptr);
        std::filesystem::remove_all(folder);
    }
    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = folder + "/" + name;
        std::ofstream(path) << text;
        return path;
    }
    static void Click(Form& form, const std::string& button)
    {
        auto* b = dynamic_cast<CButton*>(FromHandle(form.ControlWindow(button)));
        ASSERT_NE(b, nullptr);
        b->Click();
    }

    std::string folder;
};

const char* const kMain = R"(Form Main
    Server = "Board"
    RegisterClients = true
    StartServer = true
    Begin A Test.Lamp
        Id = 1
    End
    Begin Board Test.Board
    End
    Begin Note Label
        Caption = "not a client"
    End
    Begin B Test.Lamp
        Id = 2
    End
    Begin More CommandButton
        Opens = "second"
    End
End
)";

const char* const kSecond = R"(Form Second
    Server = "Opener"
    RegisterClients = true
    Begin C Test.Lamp
        Id = 7
    End
    Begin Done CommandButton
        Closes = true
    End
End
)";

TEST_F(FormDeclared, ClientsRegisterInFormOrderThenTheServerStartsAndUnloadRemovesThem)
{
    std::string error;
    auto form = Form::Load(Write("main.frm", kMain), &error);
    ASSERT_TRUE(form && form->Create(&error)) << error;
    form->Show();
    EXPECT_EQ(calls, (std::vector<std::string>{"+1", "+2", "go"}));
    form->Close();
    EXPECT_EQ(calls, (std::vector<std::string>{"+1", "+2", "go", "-1", "-2"}));
}

TEST_F(FormDeclared, AButtonOpensItsFormOnceOnTheOpenersServerAndTheOpenerClosesItFirst)
{
    Write("second.frm", kSecond);
    std::string error;
    auto form = Form::Load(Write("main.frm", kMain), &error);
    ASSERT_TRUE(form && form->Create(&error)) << error;
    form->Show();
    calls.clear();
    Click(*form, "More");
    Click(*form, "More");
    EXPECT_EQ(calls, (std::vector<std::string>{"+7"})) << "opened once, then brought to the front";
    form->Close();
    EXPECT_EQ(calls, (std::vector<std::string>{"+7", "-7", "-1", "-2"}));
}

TEST_F(FormDeclared, InTheDesignerThePanelRunsAndStopsWithoutClosing)
{
    std::string error;
    auto form = Form::Load(Write("main.frm", kMain), &error);
    ASSERT_NE(form, nullptr) << error;
    nimbo::FormEditor editor(*form);
    EXPECT_TRUE(calls.empty()) << "nothing runs while the form is designed";
    editor.StartPanel();
    editor.StopPanel();
    EXPECT_EQ(calls, (std::vector<std::string>{"+1", "+2", "go", "-1", "-2", "stop"}));
    EXPECT_TRUE(form->IsOpen());
}

TEST_F(FormDeclared, AClosingButtonClosesItsForm)
{
    std::string error;
    auto form = Form::Parse(R"(Form F
    Begin Done CommandButton
        Closes = true
    End
End
)",
                            "f.frm", &error);
    ASSERT_TRUE(form && form->Create(&error)) << error;
    form->Show();
    Click(*form, "Done");
    EXPECT_FALSE(form->IsOpen());
}

TEST_F(FormDeclared, AnOpenerServerWithoutAnOpenerIsARunTimeError)
{
    std::string error;
    auto form = Form::Load(Write("second.frm", kSecond), &error);
    ASSERT_TRUE(form && form->Create(&error)) << error;
    form->Show();
    EXPECT_NE(form->LastError().find("no server on the form that opened Second"), std::string::npos)
        << form->LastError();
    EXPECT_TRUE(calls.empty());
}

struct BadDeclaration {
    const char* body;
    const char* expected;
};

class BadDeclarations : public FormDeclared, public ::testing::WithParamInterface<BadDeclaration> {};

TEST_P(BadDeclarations, AreRefusedWithTheirLine)
{
    const std::string text = std::string("Form F\n") + GetParam().body + "    Begin L Label\n    End\nEnd\n";
    std::string error;
    EXPECT_EQ(Form::Parse(text, "f.frm", &error), nullptr);
    EXPECT_EQ(error, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadDeclarations,
    ::testing::Values(
        BadDeclaration{"    Server = \"Nimbo9\"\n", "f.frm:2: Server names Nimbo9, which is not on form F"},
        BadDeclaration{"    Server = \"L\"\n", "f.frm:2: Server names L, a Label, not a server control"},
        BadDeclaration{"    Server = 5\n", "f.frm:2: Server is the quoted name of a control on the form, or \"Opener\""},
        BadDeclaration{"    RegisterClients = true\n", "f.frm:2: RegisterClients needs a Server"},
        BadDeclaration{"    Server = \"Opener\"\n    StartServer = true\n",
                       "f.frm:3: StartServer starts a server on this form, not the opener's"},
        BadDeclaration{"    Begin B CommandButton\n        Opens = \"x\"\n        Closes = true\n    End\n",
                       "f.frm:4: B opens a form or closes its own, not both"}));

}  // namespace
