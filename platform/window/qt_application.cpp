#include "platform/window/qt_application_qt.h"

#include "platform/winuser.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdlib>

namespace nimbo::qt {
namespace {

// QApplication keeps references to these for its whole life.
int appArgc = 1;
char appName[] = "nimbo";
char* appArgv[] = {appName, nullptr};

}  // namespace

QApplication* EnsureApplication()
{
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return existing;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never deleted: at exit, Qt's own statics made after this point are
    // already gone when an atexit handler would run, and the application's
    // destructor still needs them. Windows of objects that outlive main()
    // go with the process.
    auto* app = new QApplication(appArgc, appArgv);
    // Windows come and go under the controls' own rules; closing the last
    // one must not end a loop somebody else is running.
    QApplication::setQuitOnLastWindowClosed(false);
    return app;
}

}  // namespace nimbo::qt

bool nimbo::IsHeadless()
{
    nimbo::qt::EnsureApplication();
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}
