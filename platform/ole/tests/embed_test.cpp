// A Qt application of its own with kit controls in its layouts: the server
// and an LED in a main window, scanning a simulated station through the
// application's event loop.
#include "platform/qt_embed.h"
#include "platform/registry.h"
#include "platform/winuser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The lamp of the LED's default style, lit: green.
constexpr QRgb kLitGreen = 0xFF00E600u;

void Put(COleControl* control, const std::string& name, const Variant& value)
{
    const DispEntry* entry = control->Dispatch().Find(name);
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(control->PutProperty(entry->id, {}, value), S_OK) << name;
}

std::int32_t GetLong(COleControl* control, const std::string& name)
{
    const DispEntry* entry = control->Dispatch().Find(name);
    Variant value;
    if (!entry || control->GetProperty(entry->id, {}, &value) != S_OK)
        return -1;
    return value.AsLong();
}

// The application's own loop, not the kit's, runs until done holds.
bool RunUntil(const std::function<bool()>& done, int ms = 5000)
{
    for (int waited = 0; waited < ms; waited += 20) {
        if (done())
            return true;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

void RunFor(int ms)
{
    RunUntil([] { return false; }, ms);
}

// Whether the window's picture shows the LED's lamp (its left 28 x 24) lit.
bool LampLit(QWidget& window, QWidget* led)
{
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint at = led->mapTo(&window, QPoint(0, 0));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 28; ++x)
            if (shot.pixel(at.x() + x, at.y() + y) == kLitGreen)
                return true;
    return false;
}

class EmbedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nimbo-embed-XXXXXX";
        folder = mkdtemp(pattern);
        setenv("NIMBO_DEVICES", folder.c_str(), 1);
        setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1);
    }
    void TearDown() override
    {
        if (simulator > 0) {
            kill(simulator, SIGTERM);
            waitpid(simulator, nullptr, 0);
        }
        if (simulatorOut)
            std::fclose(simulatorOut);
        unsetenv("NIMBO_DEVICES");
        std::filesystem::remove_all(folder);
    }

    // Starts plcsim serving COM<com>; back once it says the port is there.
    void StartSimulator(int com, const std::vector<std::string>& options)
    {
        std::vector<std::string> args{NIMBO_PLCSIM, "--com", std::to_string(com), "--devices", folder};
        args.insert(args.end(), options.begin(), options.end());
        int out[2];
        ASSERT_EQ(pipe(out), 0);
        simulator = fork();
        ASSERT_GE(simulator, 0);
        if (simulator == 0) {
            dup2(out[1], STDOUT_FILENO);
            std::freopen("/dev/null", "w", stderr);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv;
            for (std::string& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        // Kept open until the end: plcsim must never write into a closed pipe.
        simulatorOut = fdopen(out[0], "r");
        char line[512];
        ASSERT_NE(std::fgets(line, sizeof line, simulatorOut), nullptr) << "plcsim did not start";
        ASSERT_EQ(std::strncmp(line, "plcsim: COM", 11), 0) << line;
    }

    static COleControl* Create(const std::string& progId)
    {
        std::string error;
        COleControl* control = nimbo::CreateControl(progId, &error);
        EXPECT_NE(control, nullptr) << error;
        if (control)
            control->ResetProperties();
        return control;
    }

    std::string folder;
    pid_t simulator = -1;
    std::FILE* simulatorOut = nullptr;
};

}  // namespace

TEST_F(EmbedTest, LedInAMainWindowLightsWhenTheServerReadsItsBit)
{
    StartSimulator(3, {"--set", "1:300=1"});
    QMainWindow window;
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    COleControl* server = Create("NIMBO.NimboCtrl.1");
    COleControl* led = Create("LED.LedCtrl.1");
    ASSERT_TRUE(server && led);
    QWidget* serverWidget = nimbo::EmbedControl(server, central);
    QWidget* ledWidget = nimbo::EmbedControl(led, central);
    ASSERT_TRUE(serverWidget && ledWidget);
    layout->addWidget(serverWidget);
    layout->addWidget(ledWidget);
    window.setCentralWidget(central);
    window.show();

    Put(led, "Plc", Variant::Long(1));
    Put(led, "Reg", Variant::Long(300));
    Put(led, "Bit", Variant::Long(0));
    Put(server, "COM", Variant::Long(3));
    Put(server, "InternalTimer", Variant::Long(40));
    Put(server, "PlcEnabled1", Variant::Long(1));
    Put(server, "PlcStart1", Variant::Long(300));
    Put(server, "PlcStop1", Variant::Long(315));
    Put(server, "AddClient", Variant::Long(static_cast<std::int32_t>(led->m_hWnd)));
    RunFor(100);
    EXPECT_FALSE(LampLit(window, ledWidget)) << "not lit before the scan";

    Put(server, "Go", Variant::Bool(true));
    ASSERT_TRUE(RunUntil([&] { return GetLong(led, "Value") == 1; })) << "the LED never heard register 300";
    EXPECT_TRUE(LampLit(window, ledWidget));
}

TEST_F(EmbedTest, LayoutGivesTheControlItsExtent)
{
    COleControl* led = Create("LED.LedCtrl.1");
    ASSERT_NE(led, nullptr);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("a label wider than the LED, in a column taller than both"));
    QWidget* embedded = nimbo::EmbedControl(led, &window);
    ASSERT_NE(embedded, nullptr);
    layout->addWidget(embedded);
    window.resize(600, 400);
    window.show();
    RunFor(50);

    EXPECT_EQ(embedded->sizeHint(), QSize(168, 24));
    EXPECT_EQ(embedded->size(), QSize(168, 24));
    RECT client{};
    ASSERT_TRUE(GetClientRect(led->m_hWnd, &client));
    EXPECT_EQ(client.right - client.left, 168);
    EXPECT_EQ(client.bottom - client.top, 24);
}

TEST_F(EmbedTest, DestroyingTheWidgetDestroysTheControlAndItsWindow)
{
    const long before = nimbo::LiveObjects();
    COleControl* led = Create("LED.LedCtrl.1");
    ASSERT_NE(led, nullptr);
    auto parent = std::make_unique<QWidget>();
    ASSERT_NE(nimbo::EmbedControl(led, parent.get()), nullptr);
    const HWND window = led->m_hWnd;
    ASSERT_TRUE(IsWindow(window));
    ASSERT_EQ(nimbo::LiveObjects(), before + 1);

    parent.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nimbo::LiveObjects(), before) << "the control was deleted";
}

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
