#pragma once

#include "platform/pixels.h"

// 480 x 48: 12 cells of 40 x 24, bit set above, bit clear below.
nimbo::Pixels ButtonStrip();
// 128 x 24: the grey bevelled panel behind the caption.
nimbo::Pixels ButtonCaptionPanel();
// 40 x 24: a clock face, while a write waits for the PLC's answer.
nimbo::Pixels ButtonPendingClock();
// 16 x 15: the toolbox picture.
nimbo::Pixels ButtonToolboxPicture();
