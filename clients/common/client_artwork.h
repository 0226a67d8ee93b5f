// Pictures every client library carries: the offline and disabled signs,
// 28 x 24 each, and the drawing steps the controls' own artwork shares.
#pragma once

#include "platform/pixels.h"

nimbo::Pixels OfflineSign();
nimbo::Pixels DisabledSign();
// A grey square with a raised bevel, the ground of both signs.
nimbo::Pixels BevelledSquare(int width, int height);
// A raised grey panel with a sunken well two pixels wide, inset by 4, the
// ground behind a caption: what lies 6 pixels in from the edges is left to
// the control.
nimbo::Pixels SunkenPanel(int width, int height);
