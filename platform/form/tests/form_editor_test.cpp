// Editing a form as the designer does: moves on the grid, sizes a control
// may refuse, controls added, removed and restacked, and a saved form that
// loads again to the same panel.
#include "platform/form/form_design_view.h"
#include "platform/form/form_settings_dialog.h"
#include "platform/form_editor.h"
#include "platform/olectl.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <filesystem>
#include <fstream>
#include <sstream>

using nimbo::Form;
using nimbo::FormBox;
using nimbo::FormEditor;

namespace {

class Dial : public COleControl {
public:
    bool refuseExtent = false;
    std::int32_t plc = 0;

    Dial()
    {
        EnableStockProperties(STOCK_CAPTION | STOCK_BACKCOLOR);
        SetInitialSize(40, 30);
        DispProperty(1, "Plc", VT_I4, [this] { return Variant::Long(plc); }, [this](const Variant& v) { plc = v.AsLong(); });
    }
    ~Dial() override { DestroyWindow(); }
    void DoPropExchange(CPropExchange* px) override
    {
        COleControl::DoPropExchange(px);
        ExchangeExtent(px);
        PX_Long(px, "Plc", plc, 0);
    }
    BOOL OnSetExtent(const SIZE&) override { return !refuseExtent; }
};

const char* const kPanel = R"(Form Panel
    Caption = "Boiler room"
    ClientWidth = 4800
    ClientHeight = 3600
    Begin Back Test.Dial
        Left = 100
        Top = 120
        Width = 1200
        Height = 900
        Plc = 2
    End
    Begin Front Test.Stubborn
        Left = 600
        Top = 600
    End
    Begin Note Label
        Left = 2400
        Caption = "Pressure"
    End
End
)";

class FormEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form::RegisterLocalClass("Test.Dial", [] { return new Dial; });
        Form::RegisterLocalClass("Test.Stubborn", [] {
            auto* d = new Dial;
            d->refuseExtent = true;
            return d;
        });
        char pattern[] = "/tmp/nimbo-editor-XXXXXX";
        folder = mkdtemp(pattern);
        path = folder + "/panel.frm";
        std::ofstream(path) << kPanel;
        Open();
    }
    void TearDown() override
    {
        editor.reset();
        form.reset();
        Form::RegisterLocalClass("Test.Dial", nullptr);
        Form::RegisterLocalClass("Test.Stubborn", nullptr);
        std::filesystem::remove_all(folder);
    }
    void Open()
    {
        editor.reset();
        std::string error;
        form = Form::Load(path, &error);
        ASSERT_NE(form, nullptr) << error;
        editor = std::make_unique<FormEditor>(*form);
        ASSERT_TRUE(editor->Ready(&error)) << error;
    }
    std::string FileText() const
    {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void ExpectBox(const std::optional<FormBox>& box, FormBox expected)
    {
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->left, expected.left);
        EXPECT_EQ(box->top, expected.top);
        EXPECT_EQ(box->width, expected.width);
        EXPECT_EQ(box->height, expected.height);
    }

    std::string folder, path;
    std::unique_ptr<Form> form;
    std::unique_ptr<FormEditor> editor;
};

TEST_F(FormEditing, MovesLandOnTheGridAndTheWindowFollows)
{
    std::string reason;
    ASSERT_TRUE(editor->Move("Back", 1000, 1450, &reason)) << reason;
    ExpectBox(editor->Box("Back"), {960, 1440, 1200, 900});
    EXPECT_EQ(editor->ControlAt(64 + 2, 96 + 2), "Back") << "960 twips are 64 pixels";
    EXPECT_FALSE(editor->Move("Nobody", 0, 0, &reason));
    EXPECT_EQ(reason, "no control Nobody on form Panel");
}

TEST_F(FormEditing, AControlThatRefusesItsExtentKeepsItsSize)
{
    std::string reason;
    EXPECT_TRUE(editor->Resize("Back", 2400, 480, &reason)) << reason;
    ExpectBox(editor->Box("Back"), {100, 120, 2400, 480});
    EXPECT_FALSE(editor->Resize("Front", 2400, 480, &reason));
    EXPECT_EQ(reason, "Front keeps its size");
    ExpectBox(editor->Box("Front"), {600, 600, 600, 450});
    EXPECT_TRUE(editor->Resize("Note", 1800, 300, &reason)) << "a standard control takes any size";
    ExpectBox(editor->Box("Note"), {2400, 0, 1800, 300});
}

TEST_F(FormEditing, AddedControlsAreNamedByClassPlacedOnTheGridInFront)
{
    std::string reason;
    EXPECT_EQ(editor->Add("Test.Dial", 610, 590, &reason), "Dial1") << reason;
    EXPECT_EQ(editor->Add("Test.Dial", 0, 0, &reason), "Dial2") << reason;
    ExpectBox(editor->Box("Dial1"), {600, 600, 600, 450});
    EXPECT_EQ(editor->ControlAt(41, 41), "Dial1") << "in front of Front, which lies beneath";
    EXPECT_EQ(editor->Add("Test.Nothing", 0, 0, &reason), "");
    EXPECT_NE(reason.find("Test.Nothing"), std::string::npos) << reason;
    EXPECT_EQ(editor->Add("Label", 0, 0, &reason), "");
}

TEST_F(FormEditing, RemovedControlsGoWithTheirWindowsButNotTheDeclaredServer)
{
    std::string reason;
    const HWND window = form->ControlWindow("Front");
    ASSERT_TRUE(editor->Remove("Front", &reason)) << reason;
    EXPECT_EQ(editor->Names(), (std::vector<std::string>{"Back", "Note"}));
    EXPECT_FALSE(IsWindow(window));

    std::ofstream(path) << "Form S\n    Server = \"Hub\"\n    Begin Hub Test.Dial\n    End\nEnd\n";
    Open();
    EXPECT_FALSE(editor->Remove("Hub", &reason));
    EXPECT_EQ(reason, "Hub is the server form S declares; it stays");
}

TEST_F(FormEditing, RestackingChangesWhichControlIsInFrontAndTheFileOrder)
{
    std::string reason;
    ASSERT_TRUE(editor->Move("Front", 120, 120, &reason));
    EXPECT_EQ(editor->ControlAt(10, 10), "Front");
    ASSERT_TRUE(editor->SendToBack("Front", &reason));
    EXPECT_EQ(editor->Names(), (std::vector<std::string>{"Front", "Back", "Note"}));
    EXPECT_EQ(editor->ControlAt(10, 10), "Back");
    ASSERT_TRUE(editor->BringToFront("Front", &reason));
    EXPECT_EQ(editor->Names(), (std::vector<std::string>{"Back", "Note", "Front"}));
    EXPECT_EQ(editor->ControlAt(10, 10), "Front");
}

TEST_F(FormEditing, NothingIsWrittenUntilSavedAndASavedFormLoadsAgainTheSame)
{
    EXPECT_FALSE(editor->Modified());
    std::string reason;
    editor->Move("Back", 240, 240, &reason);
    editor->Resize("Back", 1800, 1200, &reason);
    editor->SendToBack("Note", &reason);
    editor->Remove("Front", &reason);
    const std::string added = editor->Add("Test.Dial", 2400, 1200, &reason);
    form->Put(added, 1, {}, Variant::Long(7));
    editor->SetCaption("Boiler \"B\"");
    ASSERT_TRUE(editor->SetClientSize(6000, 4200, &reason));
    EXPECT_FALSE(editor->SetClientSize(0, 4200, &reason));
    EXPECT_TRUE(editor->Modified());
    EXPECT_EQ(FileText(), kPanel);

    ASSERT_TRUE(editor->Save(&reason)) << reason;
    EXPECT_FALSE(editor->Modified());
    const std::string saved = editor->Text();
    EXPECT_EQ(FileText(), saved);
    Open();
    EXPECT_EQ(editor->Text(), saved);
    EXPECT_EQ(editor->Names(), (std::vector<std::string>{"Note", "Back", added}));
    ExpectBox(editor->Box("Back"), {240, 240, 1800, 1200});
    EXPECT_EQ(form->Get(added, 1).AsLong(), 7);
    EXPECT_EQ(form->Get("Back", 1).AsLong(), 2);
    EXPECT_EQ(editor->Caption(), "Boiler \"B\"");
    EXPECT_EQ(editor->ClientSize().cx, 6000);
}

TEST_F(FormEditing, SavingThroughALinkKeepsTheLinkAndWhoMayReadTheFile)
{
    namespace fs = std::filesystem;
    const std::string link = folder + "/link.frm";
    fs::create_symlink(path, link);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string error;
    auto linked = Form::Load(link, &error);
    ASSERT_NE(linked, nullptr) << error;
    FormEditor edited(*linked);
    edited.SetCaption("Linked");
    ASSERT_TRUE(edited.Save(&error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(FileText(), edited.Text());
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FormEditing, TwipsTheUserDidNotTouchAreWrittenAsTheFileGaveThem)
{
    const std::string text = editor->Text();
    EXPECT_NE(text.find("Left = 100\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Top = 120\n"), std::string::npos) << text;
}

// The designer on the screen: what the mouse and the keys do to the form.
class FormDesigning : public FormEditing {
protected:
    void SetUp() override
    {
        FormEditing::SetUp();
        view = std::make_unique<nimbo::form::DesignView>(*form, *editor);
        view->Show();
    }
    void TearDown() override
    {
        nimbo::SetMenuDriver(nullptr);
        view.reset();
        FormEditing::TearDown();
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* pane = view->Pane();
        QMouseEvent event(type, at, pane->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton),
                          Qt::NoModifier);
        QCoreApplication::sendEvent(pane, &event);
    }
    void Drag(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from);
        Mouse(QEvent::MouseMove, to);
        Mouse(QEvent::MouseButtonRelease, to);
    }
    void Key(int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(view->Pane(), &event);
    }

    std::unique_ptr<nimbo::form::DesignView> view;
};

// Back lies at (7, 8) pixels, 80 x 60.
TEST_F(FormDesigning, AClickSelectsADragMovesOnTheGridAndDeleteRemoves)
{
    Drag({20, 20}, {37, 29});
    EXPECT_EQ(view->Selected(), "Back");
    ExpectBox(editor->Box("Back"), {360, 240, 1200, 900});
    Key(Qt::Key_Right);
    ExpectBox(editor->Box("Back"), {480, 240, 1200, 900});
    Key(Qt::Key_Delete);
    EXPECT_EQ(editor->Names(), (std::vector<std::string>{"Front", "Note"}));
    EXPECT_EQ(view->Selected(), "");
}

TEST_F(FormDesigning, DraggingAHandleResizesOnTheGrid)
{
    view->Select("Back");
    Drag({87, 68}, {103, 76});
    ExpectBox(editor->Box("Back"), {100, 120, 1460, 1080});
}

TEST_F(FormDesigning, TheRightButtonMenuActsOnTheControlUnderIt)
{
    std::vector<std::string> offered;
    nimbo::SetMenuDriver([&](const std::vector<nimbo::MenuEntry>& entries) -> UINT {
        for (const auto& e : entries)
            offered.push_back(e.text);
        for (const auto& e : entries)
            if (e.text == "Send to back")
                return e.id;
        return 0;
    });
    Mouse(QEvent::MouseButtonPress, {50, 50}, Qt::RightButton);
    EXPECT_EQ(offered, (std::vector<std::string>{"Properties...", "Add control", "Bring to front", "Send to back"}));
    EXPECT_EQ(editor->Names(), (std::vector<std::string>{"Front", "Back", "Note"}));
}

TEST_F(FormDesigning, AddControlOffersTheStoresClassesAndPlacesTheChoiceAtTheClick)
{
    nimbo::SetMenuDriver([](const std::vector<nimbo::MenuEntry>& entries) -> UINT {
        for (const auto& e : entries)
            if (e.text == "Add control" || e.text == "LEDLib.Led")
                return e.id;
        return 0;
    });
    Mouse(QEvent::MouseButtonPress, {200, 150}, Qt::RightButton);
    EXPECT_EQ(view->Selected(), "Led1");
    ExpectBox(editor->Box("Led1"), {3000, 2280, 2520, 360});
}

TEST_F(FormDesigning, ADoubleClickOnTheBackgroundSetsTheFormsCaptionAndSize)
{
    nimbo::SetDialogDriver([](CDialog& d) {
        d.SetDlgItemText(nimbo::form::FormSettingsDialog::kCaption, "Sala caldaie");
        d.SetDlgItemText(nimbo::form::FormSettingsDialog::kWidth, "6000");
        d.ClickDlgButton(IDOK);
    });
    Mouse(QEvent::MouseButtonDblClick, {300, 200});
    nimbo::SetDialogDriver(nullptr);
    EXPECT_EQ(editor->Caption(), "Sala caldaie");
    EXPECT_EQ(editor->ClientSize().cx, 6000);
    RECT client{};
    GetClientRect(form->Window(), &client);
    EXPECT_EQ(client.right, 400);
}

TEST_F(FormDesigning, F5RunsThePanelWithoutThePaneAndComesBackToDesign)
{
    view->ToggleRunning();
    EXPECT_TRUE(editor->Running());
    EXPECT_FALSE(view->Pane()->isVisible()) << "the controls take the mouse while the panel runs";
    view->ToggleRunning();
    EXPECT_FALSE(editor->Running());
    EXPECT_TRUE(view->Pane()->isVisible());
}

TEST_F(FormDesigning, ClosingWithUnsavedChangesAsksAndNobodyThereSaves)
{
    view->Select("Back");
    Key(Qt::Key_Down);
    const std::string edited = editor->Text();
    ::SendMessageA(form->Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->IsOpen());
    EXPECT_EQ(nimbo::LastMessageBoxText(), "Save the changes to " + path + "?");
    EXPECT_EQ(FileText(), edited);
}

}  // namespace
