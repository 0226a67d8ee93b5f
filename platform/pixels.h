// A picture as plain numbers, for resources made in code and for tests that
// look at what was drawn. Rows run top to bottom, each pixel 0xAARRGGBB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace nimbo {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Outside the picture there is nothing: 0, fully transparent black.
    std::uint32_t At(int x, int y) const
    {
        return Contains(x, y) ? argb[static_cast<std::size_t>(y) * width + x] : 0;
    }
    void Set(int x, int y, std::uint32_t value)
    {
        if (Contains(x, y))
            argb[static_cast<std::size_t>(y) * width + x] = value;
    }
    bool Empty() const { return width <= 0 || height <= 0; }
};

inline Pixels MakePixels(int width, int height, std::uint32_t fill)
{
    Pixels p;
    if (width > 0 && height > 0) {
        p.width = width;
        p.height = height;
        p.argb.assign(static_cast<std::size_t>(width) * height, fill);
    }
    return p;
}

}  // namespace nimbo
