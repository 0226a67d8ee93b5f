// Forms at run time with the standard controls: placement, texts, clicks,
// load and unload, closing, loops.
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/window/tests/win_recorder.h"
#include "platform/scripting.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <filesystem>

using nimbo::Form;

namespace {

const char kForm[] = R"(Form Generale
    Caption = "Test controlli serie nimbo"
    ClientWidth = 4500        # 300 pixels
    ClientHeight = 3000
    Begin Label1 Label
        Left = 158            # 10.53 pixels
        Top = 292             # 19.47
        Width = 1508
        Height = 367
        Caption = "Led1 visualizza # il bit"
    End
    Begin Text1 TextBox
        Left = 1500
        Top = 900
        Text = "Text1"
    End
    Begin Command1 CommandButton
        Left = 1500
        Top = 1800
        Caption = "clicca.."
    End
End
)";

std::unique_ptr<Form> Open(const std::string& text = kForm)
{
    std::string error;
    std::unique_ptr<Form> form = Form::Parse(text, "t.form", &error);
    EXPECT_NE(form, nullptr) << error;
    if (form) {
        EXPECT_TRUE(form->Create(&error)) << error;
    }
    return form;
}

RECT PlaceInForm(const Form& form, const std::string& name)
{
    RECT r{};
    GetWindowRect(form.ControlWindow(name), &r);
    POINT origin{0, 0};
    ClientToScreen(form.Window(), &origin);
    return RECT{r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
}

QWidget* NativeButton(HWND window)
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->property("hwnd").toULongLong() == window)
            return w->findChild<QPushButton*>();
    return nullptr;
}

void MouseClick(QWidget* widget)
{
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

TEST(FormRun, TwipsBecomeRoundedPixels)
{
    auto form = Open();
    ASSERT_TRUE(form && form->IsOpen());
    RECT client{};
    ASSERT_TRUE(GetClientRect(form->Window(), &client));
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    const RECT label = PlaceInForm(*form, "Label1");
    EXPECT_EQ(label.left, 11);
    EXPECT_EQ(label.top, 19);
    EXPECT_EQ(label.right - label.left, 101);
    EXPECT_EQ(label.bottom - label.top, 24);
    char caption[64] = {};
    GetWindowTextA(form->Window(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Test controlli serie nimbo");
}

TEST(FormRun, TextsOfStandardControls)
{
    auto form = Open();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->Text("Label1"), "Led1 visualizza # il bit");
    EXPECT_EQ(form->Text("text1"), "Text1") << "names match regardless of case";
    form->SetText("Text1", "nuovo");
    EXPECT_EQ(form->Text("Text1"), "nuovo");
    auto* edit = dynamic_cast<CEdit*>(FromHandle(form->ControlWindow("Text1")));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetText(), "nuovo");
    form->SetText("Command1", "premi");
    EXPECT_EQ(form->Text("Command1"), "premi");
    EXPECT_EQ(form->Control("Text1"), nullptr) << "standard controls have no automation";
}

TEST(FormRun, ButtonClicksRunTheirHandlers)
{
    auto form = Open();
    ASSERT_TRUE(form);
    std::vector<std::string> log;
    form->OnClick("Command1", [&] { log.push_back("first"); });
    form->OnClick("command1", [&] { log.push_back("second"); });
    form->Show();
    auto* button = dynamic_cast<CButton*>(FromHandle(form->ControlWindow("Command1")));
    ASSERT_NE(button, nullptr);
    button->Click();
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
    MouseClick(NativeButton(button->m_hWnd));
    EXPECT_EQ(log.size(), 4u);
}

TEST(FormRun, ClickHandlerOfANameThatIsNoButtonIsAnError)
{
    auto form = Open();
    ASSERT_TRUE(form);
    const int boxes = nimbo::MessageBoxCount();
    form->OnClick("Label1", [] {});
    EXPECT_EQ(form->LastError(), "Label1: no CommandButton of that name on form Generale");
    EXPECT_EQ(nimbo::MessageBoxCount(), boxes + 1);
}

TEST(FormRun, LoadBeforeShowingUnloadBeforeDestroying)
{
    auto form = Open();
    ASSERT_TRUE(form);
    std::vector<std::string> log;
    form->OnLoad([&] {
        log.push_back(IsWindowVisible(form->Window()) ? "load: shown" : "load: hidden");
        log.push_back(IsWindow(form->ControlWindow("Command1")) ? "load: controls" : "load: none");
    });
    form->OnLoad([&] { log.push_back("load 2"); });
    form->OnUnload([&] { log.push_back(IsWindow(form->ControlWindow("Text1")) ? "unload: controls" : "unload: none"); });
    form->OnUnload([&] { log.push_back("unload 2"); });

    form->Show();
    EXPECT_TRUE(IsWindowVisible(form->Window()));
    form->Show();  // again: no second Load
    const HWND window = form->Window();
    const HWND text = form->ControlWindow("Text1");
    form->Close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(text));
    EXPECT_EQ(log, (std::vector<std::string>{"load: hidden", "load: controls", "load 2", "unload: controls", "unload 2"}));

    form->Close();  // again: nothing more
    EXPECT_EQ(log.size(), 5u);
    EXPECT_FALSE(form->IsOpen());
    EXPECT_EQ(form->Window(), 0u);
}

TEST(FormRun, ClosingByTheWindowUnloads)
{
    auto form = Open();
    ASSERT_TRUE(form);
    int unloads = 0;
    form->OnUnload([&] { ++unloads; });
    form->Show();
    SendMessageA(form->Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->IsOpen());
    EXPECT_EQ(unloads, 1);

    // Opened again, and destroyed from outside this time.
    std::string error;
    ASSERT_TRUE(form->Create(&error)) << error;
    form->Show();
    DestroyWindow(form->Window());
    EXPECT_FALSE(form->IsOpen());
    EXPECT_EQ(unloads, 2);
}

TEST(FormRun, ButtonThatClosesItsForm)
{
    auto form = Open();
    ASSERT_TRUE(form);
    int unloads = 0;
    form->OnUnload([&] { ++unloads; });
    form->OnClick("Command1", [&] { form->Close(); });
    form->Show();
    MouseClick(NativeButton(form->ControlWindow("Command1")));
    EXPECT_FALSE(form->IsOpen());
    EXPECT_EQ(unloads, 1);
    nimbo::RunEventLoop(0);
}

TEST(FormRun, RunUntilClosedReturnsWhenTheFormCloses)
{
    auto form = Open();
    ASSERT_TRUE(form);
    form->Show();
    PostMessageA(form->Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form->RunUntilClosed(), 0);
    EXPECT_FALSE(form->IsOpen());
}

// A second form runs its own loop inside the first one's, as a host's
// secondary window does, and each loop ends with its own form.
TEST(FormRun, SecondaryFormInsideTheLoopOfTheFirst)
{
    auto first = Open();
    auto secondary = Open("Form Second\n  Caption = \"two\"\nEnd\n");
    ASSERT_TRUE(first && secondary);
    std::vector<std::string> log;
    nimbo::test::Recorder trigger;
    ASSERT_TRUE(trigger.CreateWindowed(0, nimbo::test::Rect(0, 0, 10, 10)));
    trigger.handler = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_USER)
            return std::nullopt;
        secondary->Show();
        PostMessageA(secondary->Window(), WM_CLOSE, 0, 0);
        secondary->RunUntilClosed();
        log.push_back(first->IsOpen() ? "second closed, main open" : "main closed too early");
        PostMessageA(first->Window(), WM_CLOSE, 0, 0);
        return 0;
    };
    first->Show();
    PostMessageA(trigger.m_hWnd, WM_USER, 0, 0);
    first->RunUntilClosed();
    log.push_back("main closed");
    EXPECT_EQ(log, (std::vector<std::string>{"second closed, main open", "main closed"}));
}

TEST(FormRun, StandardControlSettings)
{
    auto form = Open(R"(Form F
  Begin T1 TextBox
    Locked = true
    MaxLength = 4
    PasswordChar = "*"
    Enabled = false
  End
  Begin C1 CommandButton
    Visible = false
  End
  Begin L1 Label
  End
End
)");
    ASSERT_TRUE(form);
    form->Show();
    EXPECT_FALSE(IsWindowEnabled(form->ControlWindow("T1")));
    EXPECT_FALSE(IsWindowVisible(form->ControlWindow("C1")));
    EXPECT_TRUE(IsWindowVisible(form->ControlWindow("L1")));
    const RECT label = PlaceInForm(*form, "L1");
    EXPECT_EQ(label.left, 0);
    EXPECT_GT(label.right - label.left, 0) << "a control with no size gets a usual one";
}

TEST(FormRun, SizesAndPlacesAtTheLimitsAreBuilt)
{
    auto form = Open("Form F\n  ClientWidth = 491505\n  ClientHeight = 1500\n"
                     "  Begin L1 Label\n    Left = -491505\n    Width = 491505\n  End\nEnd\n");
    ASSERT_TRUE(form);
    RECT client{};
    ASSERT_TRUE(GetClientRect(form->Window(), &client));
    EXPECT_EQ(client.right, 32767);
    const RECT label = PlaceInForm(*form, "L1");
    EXPECT_EQ(label.left, -32767);
    EXPECT_EQ(label.right, 0);
}

TEST(FormRun, CenteredOnTheScreen)
{
    auto form = Open("Form F\n  ClientWidth = 3000\n  ClientHeight = 1500\n  StartUpPosition = center\nEnd\n");
    ASSERT_TRUE(form);
    form->Show();
    RECT r{};
    ASSERT_TRUE(GetWindowRect(form->Window(), &r));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR((r.left + r.right) / 2, area.center().x(), 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, area.center().y(), 1);
}

TEST(FormRun, ScreenshotIsTheClientArea)
{
    auto form = Open();
    ASSERT_TRUE(form);
    form->Show();
    const std::string path = (std::filesystem::temp_directory_path() / "ctl-form-run-test.png").string();
    ASSERT_TRUE(form->SaveScreenshot(path));
    const QImage image(QString::fromStdString(path));
    EXPECT_EQ(image.size(), QSize(300, 200));
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, 0xC0C0C0u) << "the form's face grey";
    std::filesystem::remove(path);
    form->Close();
    EXPECT_FALSE(form->SaveScreenshot(path));
}

}  // namespace
