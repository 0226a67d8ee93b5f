// Editing a form as the designer does: moves on the grid, sizes a control
// may refuse, controls added, removed and restacked, and a saved form that
// loads again to the same panel.
#include "platform/form/form_design_view.h"
#include "platform/form/form_settings_dialog.h"
#include "platform/form/form_standard_dialog.h"
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
        BackColor = 2147483663
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
}

// A standard control is placed as the kit's are, its name as its caption,
// and its settings (a button's Opens) are edited in a dialog of its own.
TEST_F(FormEditing, StandardControlsAreAddedAndTheirSettingsEdited)
{
    std::string reason;
    ASSERT_EQ(editor->Add("CommandButton", 130, 0, &reason), "CommandButton1") << reason;
    ExpectBox(editor->Box("CommandButton1"), {120, 0, 1215, 495});
    nimbo::SetDialogDriver([](CDialog& d) {
        d.SetDlgItemText(nimbo::form::StandardDialog::kFirstField, "Allarmi");  // Caption
        d.SetDlgItemText(nimbo::form::StandardDialog::kFirstField + 4, "allarmi");  // Opens
        d.ClickDlgButton(IDOK);
    });
    const bool edited = editor->EditProperties("CommandButton1", form->Window(), &reason);
    nimbo::SetDialogDriver(nullptr);
    ASSERT_TRUE(edited) << reason;
    const std::string text = editor->Text();
    EXPECT_NE(text.find("    Begin CommandButton1 CommandButton\n"
                        "        Left = 120\n"
                        "        Top = 0\n"
                        "        Caption = \"Allarmi\"\n"
                        "        Opens = \"allarmi\"\n"
                        "    End\n"),
              std::string::npos)
        << text;
}

TEST_F(FormEditing, EveryEditIsUndoneAndDoneAgainAndAGestureIsOneStep)
{
    std::string reason;
    const std::string original = editor->Text();
    editor->Move("Back", 480, 480, &reason);
    editor->Add("Test.Dial", 0, 0, &reason);
    editor->Remove("Front", &reason);
    editor->SetCaption("Sala pompe");
    editor->BeginGesture();
    for (int step = 1; step <= 3; ++step)
        editor->Move("Note", step * 120, 0, &reason);
    editor->EndGesture();
    const std::string edited = editor->Text();
    for (int step = 0; step < 5; ++step)
        ASSERT_TRUE(editor->Undo(&reason)) << step << ": " << reason;
    EXPECT_EQ(editor->Text(), original);
    EXPECT_FALSE(editor->Undo(&reason));
    EXPECT_EQ(form->Get("Back", 1).AsLong(), 2) << "the rebuilt controls hold their properties";
    for (int step = 0; step < 5; ++step)
        ASSERT_TRUE(editor->Redo(&reason)) << step << ": " << reason;
    EXPECT_EQ(editor->Text(), edited);
    EXPECT_EQ(editor->Caption(), "Sala pompe");
    EXPECT_FALSE(editor->Redo(&reason));
}

TEST_F(FormEditing, PastedControlsAreNamedAnewOneGridStepFurtherAtEachPaste)
{
    form->Put("Back", 1, {}, Variant::Long(9));
    editor->Copy({"Back", "Note"});
    std::string reason;
    EXPECT_EQ(editor->Paste(&reason), (std::vector<std::string>{"Back1", "Note1"})) << reason;
    EXPECT_EQ(editor->Paste(&reason), (std::vector<std::string>{"Back2", "Note2"})) << reason;
    ExpectBox(editor->Box("Back1"), {240, 240, 1200, 900});
    ExpectBox(editor->Box("Back2"), {360, 360, 1200, 900});
    EXPECT_EQ(form->Get("Back2", 1).AsLong(), 9) << "as the copied control stood";
    EXPECT_EQ(editor->Names().back(), "Note2") << "in front";
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

// A saved form reads as its file did: the file's lines in their order and
// as written (a colour with the high bit set stays unsigned), a changed
// value in its place, and no default the file left out.
TEST_F(FormEditing, ASavedControlKeepsTheFilesLinesAndAddsNoDefaults)
{
    std::string reason;
    ASSERT_TRUE(editor->Move("Back", 240, 240, &reason)) << reason;
    form->Put("Back", 1, {}, Variant::Long(5));
    const std::string text = editor->Text();
    const std::string back = text.substr(text.find("    Begin Back"), text.find("    Begin Front") - text.find("    Begin Back"));
    EXPECT_EQ(back, "    Begin Back Test.Dial\n"
                    "        Left = 240\n"
                    "        Top = 240\n"
                    "        Width = 1200\n"
                    "        Height = 900\n"
                    "        Plc = 5\n"
                    "        BackColor = 2147483663\n"
                    "    End\n");
}

// Running the panel from the designer and coming back leaves the design as
// it was: a value the panel changed while it ran is not saved.
TEST_F(FormEditing, RunningThePanelLeavesTheDesignAsItWas)
{
    const std::string designed = editor->Text();
    editor->StartPanel();
    form->Put("Back", 1, {}, Variant::Long(336));  // as a live reading would
    editor->StopPanel();
    EXPECT_EQ(form->Get("Back", 1).AsLong(), 2);
    EXPECT_EQ(editor->Text(), designed);
    EXPECT_FALSE(editor->Modified());
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
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* pane = view->Pane();
        QMouseEvent event(type, at, pane->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton),
                          modifiers);
        QCoreApplication::sendEvent(pane, &event);
    }
    void Drag(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from);
        Mouse(QEvent::MouseMove, to);
        Mouse(QEvent::MouseButtonRelease, to);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
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

// Back lies at (7, 8) pixels, Front at (40, 40), 40 x 30.
TEST_F(FormDesigning, ShiftClickSelectsSeveralThatMoveTogetherAsOneStep)
{
    Mouse(QEvent::MouseButtonPress, {20, 20});
    Mouse(QEvent::MouseButtonRelease, {20, 20});
    Mouse(QEvent::MouseButtonPress, {70, 60}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(view->Selection(), (std::vector<std::string>{"Back", "Front"}));
    Drag({20, 20}, {36, 28});
    ExpectBox(editor->Box("Back"), {360, 240, 1200, 900});
    ExpectBox(editor->Box("Front"), {840, 720, 600, 450});
    Key(Qt::Key_Z, Qt::ControlModifier);
    ExpectBox(editor->Box("Back"), {100, 120, 1200, 900});
    ExpectBox(editor->Box("Front"), {600, 600, 600, 450});
    Key(Qt::Key_Y, Qt::ControlModifier);
    ExpectBox(editor->Box("Front"), {840, 720, 600, 450});
}

TEST_F(FormDesigning, TabStepsTheSelectionThroughTheControls)
{
    Key(Qt::Key_Tab);
    EXPECT_EQ(view->Selected(), "Back");
    Key(Qt::Key_Tab);
    EXPECT_EQ(view->Selected(), "Front");
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Backtab);
    EXPECT_EQ(view->Selected(), "Note") << "round from the first to the last";
}

TEST_F(FormDesigning, CtrlCAndCtrlVPasteTheSelectionSelected)
{
    view->Select("Front");
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(view->Selection(), (std::vector<std::string>{"Front1"}));
    ExpectBox(editor->Box("Front1"), {720, 720, 600, 450});
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
