// A 5 x 7 pixel font for legends baked into the controls' artwork (ON, OFF,
// digits), so pictures come out the same on every machine.
#pragma once

#include "platform/pixels.h"

#include <string>

// Draws text with its top left corner at (x, y), scale times enlarged;
// unknown characters leave a gap. Answers the width drawn.
int DrawPixelText(nimbo::Pixels& p, int x, int y, const std::string& text, std::uint32_t color, int scale = 1);
int PixelTextWidth(const std::string& text, int scale = 1);
