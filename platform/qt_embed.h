// For Qt applications only: a control of the kit inside the application's
// own widgets, behaving as it does in any other container.
//
//   QApplication app(argc, argv);
//   COleControl* led = nimbo::CreateControl("LED.LedCtrl.1", &error);
//   auto* layout = new QVBoxLayout(central);
//   layout->addWidget(nimbo::EmbedControl(led, central));  // the widget owns led now
//   app.exec();  // led's window and led go with the widget
//
// The only public header that names a Qt type; it declares QWidget and
// includes nothing of Qt, so the platform's other users stay free of Qt.
#pragma once

#include "platform/export.h"
#include "platform/olectl.h"

class QWidget;

namespace nimbo {

// Answers a widget (a child of parent, which may be null) holding the
// control's window at the control's own size: its sizeHint is the extent,
// and it follows the control when the control sizes itself. The widget
// takes the control: destroying the widget destroys the control's window
// and deletes the control. Null, with the control left to the caller, when
// the control already has a window or its window cannot be made.
NIMBO_PLATFORM_API QWidget* EmbedControl(COleControl* control, QWidget* parent);

}  // namespace nimbo
