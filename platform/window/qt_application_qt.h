// The one Qt application of the process, for platform sources only.
#pragma once

class QApplication;

namespace nimbo::qt {

// Made on first need (first window, loop, font or bitmap) unless the host
// program made its own. With no display to talk to, the offscreen platform
// is chosen before the application starts.
QApplication* EnsureApplication();

}  // namespace nimbo::qt
