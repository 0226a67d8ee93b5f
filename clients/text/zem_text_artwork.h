#pragma once

#include "platform/pixels.h"

// 168 x 24: the grey panel the text sits in, its well 6 pixels in.
nimbo::Pixels TextPanel();
// 168 x 24: the disabled look, a blank raised panel.
nimbo::Pixels TextDisabledPanel();
// 16 x 15: the control in the container's toolbox.
nimbo::Pixels TextToolboxPicture();
// 32 x 32: the icon on the property page, the two states one above the other.
nimbo::Pixels TextPageIcon();
