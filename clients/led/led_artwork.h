#pragma once

#include "platform/pixels.h"

// 896 x 48: 32 cells of 28 x 24, lit above, unlit below.
nimbo::Pixels LedLampStrip();
// 140 x 24: the grey bevelled panel behind the caption.
nimbo::Pixels LedCaptionPanel();
