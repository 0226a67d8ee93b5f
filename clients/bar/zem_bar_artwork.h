#pragma once

#include "platform/pixels.h"

// 24 x 168 each: the column of segments unlit and lit, in a bevelled frame.
nimbo::Pixels BarColumnEmpty();
nimbo::Pixels BarColumnFull();
// 84 x 24: the grey bevelled panel behind the caption.
nimbo::Pixels BarCaptionPanel();
// Seven-segment strips, each 0-9, dash, blank: 360 x 48 green, 144 x 16 red
// and 180 x 20 cyan.
nimbo::Pixels BarPercentDigits();
nimbo::Pixels BarSmallDigits();
nimbo::Pixels BarLargeDigits();
// Labels on black: 60 x 16 "%", "MIN", "MAX"; 60 x 20 "Val".
nimbo::Pixels BarPercentLabel();
nimbo::Pixels BarMinLabel();
nimbo::Pixels BarMaxLabel();
nimbo::Pixels BarValueLabel();
// 15 x 16: the toolbox picture.
nimbo::Pixels BarToolboxPicture();
