// What only tests and benchmarks ask of the platform. The platform defines
// it; no program, control or tool of the product includes it.
#pragma once

#include "platform/export.h"
#include "platform/winuser.h"

#include <vector>

namespace nimbo {

// What InvalidateRect was given, rectangle by rectangle. Nothing
// is kept until RecordInvalidations(true) (tests switch it on for their
// whole program by linking platform/window/tests/record_invalidations.cpp), since
// only a test ever takes the record and a panel invalidates for as long as
// it runs; RecordInvalidations(false) stops and forgets what was kept.
// TakeInvalidations answers every rectangle given for the window since the
// last call while recording (a null rectangle recorded as the whole client
// area), oldest first; nothing while not recording.
NIMBO_PLATFORM_API void RecordInvalidations(bool on);
NIMBO_PLATFORM_API std::vector<RECT> TakeInvalidations(HWND window);

// The period a window's timer runs at, in milliseconds; 0 when it runs not.
NIMBO_PLATFORM_API UINT TimerPeriod(HWND window, UINT_PTR id);

}  // namespace nimbo
