// Pictures from resource modules, for platform sources only.
#pragma once

#include "platform/resources.h"

#include <QImage>

namespace nimbo {
struct IconImage;
}

namespace nimbo::res {

// The bitmap as an opaque Format_RGB32 image; false when there is none.
bool LoadBitmapImage(HINSTANCE module, UINT id, QImage* image);
// Made once and kept for the life of the process; null when there is none.
IconImage* LoadIconImage(HINSTANCE module, UINT id);

}  // namespace nimbo::res
