// Native widgets inside control windows: the classic look and the dialog
// font, so that standard controls sit among the kit's own ones unnoticed.
#include "platform/controls/ctl_host_qt.h"

#include "platform/window/gdi_qt.h"

#include <QPalette>

#include <cstring>

namespace nimbo::ctl {
namespace {

const char kNativeName[] = "nimbo-native";

QPalette ClassicPalette()
{
    QPalette palette;
    auto set = [&palette](QPalette::ColorRole role, int sysColor) {
        palette.setColor(QPalette::All, role, ToQColor(GetSysColor(sysColor)));
    };
    set(QPalette::Window, COLOR_BTNFACE);
    set(QPalette::WindowText, COLOR_WINDOWTEXT);
    set(QPalette::Base, COLOR_WINDOW);
    set(QPalette::AlternateBase, COLOR_WINDOW);
    set(QPalette::Text, COLOR_WINDOWTEXT);
    set(QPalette::Button, COLOR_BTNFACE);
    set(QPalette::ButtonText, COLOR_BTNTEXT);
    set(QPalette::Highlight, COLOR_HIGHLIGHT);
    set(QPalette::HighlightedText, COLOR_HIGHLIGHTTEXT);
    set(QPalette::Light, COLOR_3DHIGHLIGHT);
    set(QPalette::Midlight, COLOR_3DLIGHT);
    set(QPalette::Mid, COLOR_BTNSHADOW);
    set(QPalette::Dark, COLOR_BTNSHADOW);
    set(QPalette::Shadow, COLOR_3DDKSHADOW);
    set(QPalette::ToolTipBase, COLOR_INFOBK);
    set(QPalette::ToolTipText, COLOR_INFOTEXT);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, ToQColor(GetSysColor(COLOR_GRAYTEXT)));
    return palette;
}

// MS Sans Serif 8 pt, what dialogs of the time were laid out with.
QFont DialogFont()
{
    LOGFONTA log{};
    log.lfHeight = -11;
    log.lfWeight = FW_NORMAL;
    std::strcpy(log.lfFaceName, "MS Sans Serif");
    return FontFromLog(log);
}

}  // namespace

void Adopt(HWND window, QWidget* native)
{
    QWidget* host = win::WidgetOf(window);
    if (!host) {
        delete native;
        return;
    }
    native->setParent(host);
    native->setObjectName(QLatin1String(kNativeName));
    native->setPalette(ClassicPalette());
    native->setFont(DialogFont());
    native->setGeometry(host->rect());
    native->show();
    if (win::WindowRecord* record = win::Find(window))
        record->native = native;
}

QWidget* NativeWidget(HWND window)
{
    QWidget* host = win::WidgetOf(window);
    return host ? host->findChild<QWidget*>(QLatin1String(kNativeName), Qt::FindDirectChildrenOnly) : nullptr;
}

void StoreText(HWND window, const QString& text)
{
    if (win::WindowRecord* record = win::Find(window))
        record->text = text.toStdString();
}

}  // namespace nimbo::ctl
