// The server's report window on a real display, opened by a double click
// on the server control of the demonstration panel, and used with the
// mouse and the keyboard; the station's log shows what reached the scan.
#include "tools/tests/xdisplay/x_display_fixture.h"

namespace {

using namespace xtest;

constexpr int kTwips = 15;
const Box kServer{6240 / kTwips, 6480 / kTwips, 480 / kTwips, 480 / kTwips};

const char* const kReportTitle = "Nimbo V1.00 -Report$";

// The report window's template in dialog units, and its table's columns
// and rows in pixels.
constexpr int kReportCx = 384;
constexpr int kReportCy = 226;
const Box kSetupButton{7, 7, 46, 13};
const Box kStatusButton{115, 7, 46, 13};
const Box kClientButton{223, 7, 46, 13};
const Box kOkButton{331, 7, 46, 13};
const Box kList{7, 27, 370, 192};
constexpr int kAddrStartColumn = 60 + 60 + 110 / 2;
// The editor lies over the left of its cell, 60 pixels wide.
constexpr int kAddrStartEditor = 60 + 60 + 60 / 2;
constexpr int kEnableColumn = 60 + 60 / 2;

class ReportOnX : public XDisplayTest {
protected:
    // The demonstration panel against stations 1 and 2, its report open.
    void OpenReport()
    {
        StartSimulator({"--station", "1", "--station", "2"});
        Run("nimbo-demo", {});
        const Box main = AwaitWindow("^Test controlli serie nimbo$");
        ASSERT_TRUE(Logged("st=1 read reg=300"));
        ClickAt(main.x + kServer.x + kServer.width / 2, main.y + kServer.y + kServer.height / 2, 1, 2);
        report = AwaitWindow(kReportTitle);
        ASSERT_GT(report.width, 0);
    }

    // A place of the template, on the screen.
    Box OnScreen(const Box& units) const
    {
        return Box{report.x + units.x * report.width / kReportCx, report.y + units.y * report.height / kReportCy,
                   units.width * report.width / kReportCx, units.height * report.height / kReportCy};
    }
    void Press(const Box& button) const
    {
        const Box b = OnScreen(button);
        ClickAt(b.x + b.width / 2, b.y + b.height / 2);
    }
    // The centre of a table cell, by its column's centre in pixels.
    QPoint Cell(int row, int column) const
    {
        const Box list = OnScreen(kList);
        return QPoint{list.x + column, list.y + kHeaderHeight + row * kRowHeight + kRowHeight / 2};
    }

    static constexpr int kHeaderHeight = 18;
    static constexpr int kRowHeight = 22;
    // The menu's first entry, "Default", from the point clicked.
    static constexpr int kMenuItemX = 30;
    static constexpr int kMenuItemY = 12;
    Box report;
};

TEST_F(ReportOnX, OpensWholeOnTheScreen)
{
    ASSERT_NO_FATAL_FAILURE(OpenReport());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(report.x, screen.left());
    EXPECT_GE(report.y, screen.top());
    EXPECT_LE(report.Right(), screen.right() + 1);
    EXPECT_LE(report.Bottom(), screen.bottom() + 1);
}

TEST_F(ReportOnX, ViewsTableEditorAndMenuAnswerTheMouseAndKeys)
{
    ASSERT_NO_FATAL_FAILURE(OpenReport());
    const Box list = OnScreen(kList);
    const QImage setup = Grab(list);
    Press(kStatusButton);
    const QImage status = GrabChanged(list, setup);
    Press(kClientButton);
    const QImage client = GrabChanged(list, status);
    EXPECT_NE(client, setup);
    Press(kSetupButton);
    EXPECT_EQ(GrabChanged(list, client), setup);

    // The editor over PLC 1's AddrStart waits for a click before it takes
    // the keys; Enter puts the number into the running scan.
    const std::size_t mark = LogMark();
    const QPoint start = Cell(0, kAddrStartColumn);
    ClickAt(start.x(), start.y());
    const QImage editing = GrabChanged(list, setup);
    ClickAt(start.x() - kAddrStartColumn + kAddrStartEditor, start.y());
    xtest::Press("ctrl+a");
    Type("310");
    xtest::Press("Return");
    EXPECT_TRUE(Logged("st=1 read reg=310", mark));
    EXPECT_NE(GrabChanged(list, editing), setup);

    // PLC 2 is not polled until its row's menu sets the default range.
    const QPoint row = Cell(1, kEnableColumn);
    ClickAt(row.x(), row.y(), 3);
    ClickAt(row.x() + kMenuItemX, row.y() + kMenuItemY);
    EXPECT_TRUE(Logged("st=2 read reg=0", mark));

    Press(kOkButton);
    EXPECT_TRUE(Gone(kReportTitle));
}

}  // namespace
