// Looking at drawn pixels in tests.
#pragma once

#include "platform/wingdi.h"

#include <cstdint>

namespace nimbo::test {

inline int CountPixels(const Pixels& p, std::uint32_t argb)
{
    int n = 0;
    for (std::uint32_t v : p.argb)
        n += v == argb ? 1 : 0;
    return n;
}

// The smallest rectangle holding every pixel that is not the background;
// empty (right <= left) when there is none.
inline RECT InkBox(const Pixels& p, std::uint32_t background)
{
    RECT box{p.width, p.height, 0, 0};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.At(x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

}  // namespace nimbo::test
