#pragma once

#include "platform/pixels.h"

// 224 x 24: the grey panel behind the caption, its well 6 pixels in.
nimbo::Pixels Led8CaptionPanel();
// 16 x 15: the control in the container's toolbox, a lit and unlit row.
nimbo::Pixels Led8ToolboxPicture();
