// The demonstration panel on a real display: a real click on its button
// reaches the station, and the screen shows what the headless build draws.
#include "tools/tests/xdisplay/x_display_fixture.h"

namespace {

using namespace xtest;

const char* const kDemoTitle = "^Test controlli serie nimbo$";

// Places on the panel, in its form's twips (15 to a pixel).
constexpr int kTwips = 15;
const Box kButton{5880 / kTwips, 4320 / kTwips, 1215 / kTwips, 495 / kTwips};
const Box kServer{6240 / kTwips, 6480 / kTwips, 480 / kTwips, 480 / kTwips};
const Box kTextBox{6000 / kTwips, 3960 / kTwips, 975 / kTwips, 285 / kTwips};

class DemoOnX : public XDisplayTest {};

TEST_F(DemoOnX, ClickOnTheButtonWritesRegister301)
{
    StartSimulator();
    Run("nimbo-demo", {});
    const Box window = AwaitWindow(kDemoTitle);
    ASSERT_TRUE(Logged("st=1 read reg=300"));
    const std::size_t mark = LogMark();
    ClickAt(window.x + kButton.x + kButton.width / 2, window.y + kButton.y + kButton.height / 2);
    EXPECT_TRUE(Logged("st=1 write reg=301 value=50", mark));
}

// With fixed values the panel is the same picture both ways, but for the
// server's face, which moves with time, and the text box, which has the
// focus frame and caret headless: with no window manager the X window is
// never made active.
TEST_F(DemoOnX, ScreenShowsWhatTheHeadlessPanelDraws)
{
    StartSimulator({"--set", "1:300=5", "--set", "1:301=42", "--set", "1:302=7"});
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ChildProcess& headless = Run("nimbo-demo", {"--screenshot", folder + "/headless.png", "--after", "1500"});
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int status = -1;
    ASSERT_TRUE(Eventually([&] { return headless.Ended(&status); }, 60));
    ASSERT_EQ(status, 0);
    QImage expected(QString::fromStdString(folder + "/headless.png"));
    ASSERT_FALSE(expected.isNull());
    expected = expected.convertToFormat(QImage::Format_RGB32);

    Run("nimbo-demo", {});
    Box window = AwaitWindow(kDemoTitle);
    ASSERT_EQ(window.width, expected.width());
    ASSERT_EQ(window.height, expected.height());
    // Painted with the station's values once some passes went by.
    ASSERT_TRUE(Logged("st=1 read reg=300", LogMark()));
    const QRect face(kServer.x, kServer.y, kServer.width, kServer.height);
    const QRect text = QRect(kTextBox.x, kTextBox.y, kTextBox.width, kTextBox.height).adjusted(-2, -2, 2, 2);
    int differing = 0;
    Eventually([&] {
        const QImage shown = Grab(window);
        differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                differing += !face.contains(x, y) && !text.contains(x, y) && shown.pixel(x, y) != expected.pixel(x, y);
        return differing == 0;
    });
    EXPECT_EQ(differing, 0);
}

}  // namespace
