#pragma once

#include "platform/pixels.h"

// 16 x 15: the toolbox picture, a lit number over a caption strip.
nimbo::Pixels EditToolboxPicture();
