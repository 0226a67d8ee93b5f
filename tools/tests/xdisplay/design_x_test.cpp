// Design mode on a real display: the mouse selects, moves and resizes on
// the grid, the right button's menus add a control and open a control's
// property sheet, the keys save, run and stop; each checked in the file
// written, the window's title or the station's log.
#include "tools/tests/xdisplay/x_display_fixture.h"
#include "tools/tests/xdisplay/window_close.h"

#include <regex>

namespace {

using namespace xtest;

constexpr int kTwips = 15;
// Controls of the demonstration form, in pixels.
const Box kLed{3840 / kTwips, 360 / kTwips, 2520 / kTwips, 360 / kTwips};
const Box kText{6000 / kTwips, 3960 / kTwips, 975 / kTwips, 285 / kTwips};
const Box kServer{6240 / kTwips, 6480 / kTwips, 480 / kTwips, 480 / kTwips};
// A point of the form's background, and a popup menu's first entry from
// the point it was asked at.
constexpr int kBackgroundX = 472, kBackgroundY = 10;
constexpr int kMenuItemX = 30, kMenuItemY = 12;
const char* const kSheetTitle = "^NimboCtrl Properties$";
// The COM field in the sheet, in pixels from the sheet's corner.
const QPoint kComField{78, 55};

class DesignOnX : public XDisplayTest {
protected:
    void OpenDesign()
    {
        file = folder + "/panel.frm";
        // The demonstration form, with the lines that start its server when
        // it runs (the demonstration program does that in code).
        std::string form = Read(NIMBO_SOURCE_DIR "/hosts/test/Generale.frm");
        const std::string place = "    StartUpPosition = default\n";
        form.insert(form.find(place) + place.size(),
                    "    Server = \"Nimbo1\"\n    RegisterClients = true\n    StartServer = true\n");
        std::ofstream(file) << form;
        StartSimulator();
        Run("nimbo-panel", {"--design", file});
        window = AwaitWindow(Title("\\[design\\]"), &id);
    }
    static std::string Title(const std::string& mode) { return "^Test controlli serie nimbo " + mode + "$"; }
    void At(int x, int y, int button = 1) const { ClickAt(window.x + x, window.y + y, button); }

    // A property of a control as the saved file holds it.
    std::string Saved(const std::string& control, const std::string& property) const
    {
        const std::string text = Read(file);
        const std::size_t begin = text.find("Begin " + control + " ");
        std::smatch found;
        const std::string rest = begin == std::string::npos ? "" : text.substr(begin, text.find("\n    End", begin) - begin);
        return std::regex_search(rest, found, std::regex("\\n\\s*" + property + " = ([^\\n#]*[^\\s#])"))
                   ? found[1].str()
                   : "";
    }
    static int Count(const std::string& text, const std::string& word)
    {
        int n = 0;
        for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
            ++n;
        return n;
    }

    std::string file;
    std::string id;
    Box window;
};

TEST_F(DesignOnX, MouseAndKeysEditSaveRunAndAskBeforeClosing)
{
    ASSERT_NO_FATAL_FAILURE(OpenDesign());
    const QImage plain = Grab(window);
    At(kLed.x + kLed.width / 2, kLed.y + kLed.height / 2);
    GrabChanged(window, plain);  // the frame and handles

    // 37 by 22 pixels is 555 by 330 twips: the nearest grid point. Taken
    // away from the click, which would otherwise make a double click.
    const int fromX = window.x + kLed.x + kLed.width / 4, fromY = window.y + kLed.y + kLed.height / 2;
    DragFromTo(fromX, fromY, fromX + 37, fromY + 22);
    AwaitWindow(Title("\\[design\\] \\*"));
    // The right edge's handle, dragged 15 pixels (225 twips) right.
    At(kText.x + kText.width / 2, kText.y + kText.height / 2);
    const int handleX = window.x + kText.Right(), handleY = window.y + kText.y + (kText.height - 1) / 2;
    DragFromTo(handleX, handleY, handleX + 15, handleY);

    const std::string before = Read(file);
    PressIn(id, "ctrl+s");
    AwaitWindow(Title("\\[design\\]"));
    EXPECT_NE(Read(file), before);
    EXPECT_EQ(Saved("Led1", "Left"), "4440");
    EXPECT_EQ(Saved("Led1", "Top"), "720");
    EXPECT_EQ(Saved("Text1", "Width"), "1200");
    EXPECT_EQ(Saved("Text1", "Left"), "6000");
    const int controls = Count(Read(file), "\n    Begin ");

    // Add control, then the first class of the list shown in its place
    // (further along the entry, so that the two clicks are not a double).
    At(kBackgroundX, kBackgroundY, 3);
    At(kBackgroundX + kMenuItemX, kBackgroundY + kMenuItemY);
    At(kBackgroundX + 3 * kMenuItemX, kBackgroundY + kMenuItemY);
    AwaitWindow(Title("\\[design\\] \\*"));

    const std::size_t mark = LogMark();
    PressIn(id, "F5");
    AwaitWindow(Title("\\[running\\]"));
    EXPECT_TRUE(Logged("st=1 read reg=300", mark));
    PressIn(id, "F5");
    AwaitWindow(Title("\\[design\\] \\*"));

    AskToClose(id);
    std::string box;
    AwaitWindow("^nimbo-panel$", &box);
    PressIn(box, "Return");
    int status = -1;
    EXPECT_TRUE(Eventually([&] { return programs.back()->Ended(&status); }));
    EXPECT_EQ(status, 0) << Read(programs.back()->OutFile() + ".err");
    EXPECT_EQ(Count(Read(file), "\n    Begin "), controls + 1);
}

// Shift+click adds a control to the selection and a drag moves both; the
// keys undo and redo that step, and copy and paste the two, each checked in
// the file Ctrl+S writes.
TEST_F(DesignOnX, SeveralMoveTogetherAndTheKeysUndoRedoCopyAndPaste)
{
    ASSERT_NO_FATAL_FAILURE(OpenDesign());
    // Keys that change the form, then Ctrl+S: the title says when each is done.
    const auto saved = [&](const std::string& keys) {
        if (!keys.empty()) {
            PressIn(id, keys);
            AwaitWindow(Title("\\[design\\] \\*"));
        }
        PressIn(id, "ctrl+s");
        AwaitWindow(Title("\\[design\\]"));
    };
    At(kLed.x + kLed.width / 2, kLed.y + kLed.height / 2);
    Xdo({"keydown", "shift"});
    At(kText.x + kText.width / 2, kText.y + kText.height / 2);
    Xdo({"keyup", "shift"});
    // 16 pixels are 240 twips, two grid steps; away from the first click.
    const int fromX = window.x + kLed.x + kLed.width / 4, fromY = window.y + kLed.y + kLed.height / 2;
    DragFromTo(fromX, fromY, fromX + 16, fromY + 16);
    AwaitWindow(Title("\\[design\\] \\*"));
    saved("");
    EXPECT_EQ(Saved("Led1", "Left") + " " + Saved("Led1", "Top"), "4080 600");
    EXPECT_EQ(Saved("Text1", "Left") + " " + Saved("Text1", "Top"), "6240 4200");

    saved("ctrl+z");
    EXPECT_EQ(Saved("Led1", "Left") + " " + Saved("Led1", "Top"), "3840 360") << "the whole drag is one step";
    EXPECT_EQ(Saved("Text1", "Left") + " " + Saved("Text1", "Top"), "6000 3960");
    saved("ctrl+y");
    EXPECT_EQ(Saved("Text1", "Left"), "6240");

    PressIn(id, "ctrl+c");
    saved("ctrl+v");
    EXPECT_EQ(Saved("Led2", "Left") + " " + Saved("Led2", "Top"), "4200 720") << "a grid step on";
    EXPECT_EQ(Saved("Text2", "Left") + " " + Saved("Text2", "Text"), "6360 \"Text1\"");
}

// The server's sheet from its right-button menu: Tab goes from COM to
// SPEED, a COM out of 1 to 8 is refused with a message and the sheet stays,
// OK takes the values, Escape closes the sheet without them.
TEST_F(DesignOnX, ServerSheetTabsRefusesABadComAndClosesOnEscape)
{
    ASSERT_NO_FATAL_FAILURE(OpenDesign());
    const auto openSheet = [&] {
        At(kServer.x + kServer.width / 2, kServer.y + kServer.height / 2, 3);
        At(kServer.x + kServer.width / 2 + kMenuItemX, kServer.y + kServer.height / 2 + kMenuItemY);
        std::string sheet;
        const Box box = AwaitWindow(kSheetTitle, &sheet);
        return std::make_pair(sheet, box);
    };
    const auto sheets = [&] { return Count(Xdo({"search", "--onlyvisible", "--name", kSheetTitle}), "\n"); };
    const auto [sheet, box] = openSheet();
    // The sheet gives no field the focus; a click into COM does.
    ClickAt(box.x + kComField.x(), box.y + kComField.y());
    Press("ctrl+a");
    Type("9");
    Press("Tab");
    Press("ctrl+a");
    Type("19200");
    PressIn(sheet, "Return");
    // The message comes over the sheet, under the same caption.
    ASSERT_TRUE(Eventually([&] { return sheets() == 2; }));
    std::string message;
    for (std::istringstream found(Xdo({"search", "--onlyvisible", "--name", kSheetTitle})); std::getline(found, message);)
        if (message != sheet)
            break;
    PressIn(message, "Return");
    ASSERT_TRUE(Eventually([&] { return sheets() == 1; }));
    PressIn(sheet, "ctrl+a");
    Type("3");
    PressIn(sheet, "Return");
    ASSERT_TRUE(Gone(kSheetTitle));
    PressIn(id, "ctrl+s");
    ASSERT_TRUE(Eventually([&] { return Saved("Nimbo1", "COM") == "3"; }));
    EXPECT_EQ(Saved("Nimbo1", "Speed"), "19200");

    const std::string again = openSheet().first;
    ClickAt(box.x + kComField.x(), box.y + kComField.y());
    Type("5");
    PressIn(again, "Escape");
    EXPECT_TRUE(Gone(kSheetTitle));
    EXPECT_FALSE(FindWindow(Title("\\[design\\]")).empty()) << "the form counts as changed";
}

}  // namespace
