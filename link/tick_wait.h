// Blocking wait on the millisecond tick count, in the caller's thread: the
// link protocol's pauses after each request are deliberate, they give the
// station time to start answering before the next timer tick looks.
#pragma once

#include "platform/clock.h"

inline void WaitTicks(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds)
        Sleep(1);
}
