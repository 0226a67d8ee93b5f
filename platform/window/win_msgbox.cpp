// Message boxes: a real modal box with a display, an answer at once
// without one, and a record of every box either way.
#include "platform/window/qt_application_qt.h"
#include "platform/window/win_table_qt.h"
#include "platform/scripting.h"

#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string lastText;
int boxCount = 0;

struct Button {
    int id;
    QMessageBox::StandardButton standard;
};

std::vector<Button> ButtonsFor(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, QMessageBox::Ok}, {IDCANCEL, QMessageBox::Cancel}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, QMessageBox::Abort}, {IDRETRY, QMessageBox::Retry}, {IDIGNORE, QMessageBox::Ignore}};
    case MB_YESNOCANCEL:
        return {{IDYES, QMessageBox::Yes}, {IDNO, QMessageBox::No}, {IDCANCEL, QMessageBox::Cancel}};
    case MB_YESNO:
        return {{IDYES, QMessageBox::Yes}, {IDNO, QMessageBox::No}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, QMessageBox::Retry}, {IDCANCEL, QMessageBox::Cancel}};
    default:
        return {{IDOK, QMessageBox::Ok}};
    }
}

std::size_t DefaultIndex(UINT type, std::size_t buttons)
{
    const std::size_t wanted = (type & MB_DEFMASK) >> 8;
    return wanted < buttons ? wanted : 0;
}

QMessageBox::Icon IconFor(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int AskPerson(HWND owner, const char* text, const char* caption, UINT type, const std::vector<Button>& buttons)
{
    QMessageBox box(IconFor(type), QString::fromUtf8(caption), QString::fromUtf8(text), QMessageBox::NoButton,
                    nimbo::win::WidgetOf(owner));
    std::vector<QAbstractButton*> added;
    for (const Button& b : buttons)
        added.push_back(box.addButton(b.standard));
    box.setDefaultButton(static_cast<QPushButton*>(added[DefaultIndex(type, buttons.size())]));
    // Escape answers Cancel where there is one, else the only button.
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].id == IDCANCEL || buttons.size() == 1)
            box.setEscapeButton(added[i]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == added[i])
            return buttons[i].id;
    return buttons.size() == 1 ? buttons[0].id : IDCANCEL;
}

}  // namespace

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    if (!text)
        text = "";
    if (!caption)
        caption = "Error";  // what Win32 shows for a box with no caption
    lastText = text;
    ++boxCount;
    const std::vector<Button> buttons = ButtonsFor(type);
    if (nimbo::IsHeadless()) {
        // Nobody could press a button: tell the log and take the default.
        std::fprintf(stderr, "%s: %s\n", caption, text);
        std::fflush(stderr);
        return buttons[DefaultIndex(type, buttons.size())].id;
    }
    return AskPerson(owner, text, caption, type, buttons);
}

const std::string& nimbo::LastMessageBoxText()
{
    return lastText;
}

int nimbo::MessageBoxCount()
{
    return boxCount;
}
