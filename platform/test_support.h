// What only tests and benchmarks ask of the platform. The platform defines
// it; no program, control or tool of the product includes it.
#pragma once

#include "platform/export.h"
#include "platform/winuser.h"

#include <memory>
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

// How long the event loop is kept from turning (a handler that blocks):
// while it lives, a precise 1 ms timer runs on the loop and the longest gap
// between two of its firings is kept.
class NIMBO_PLATFORM_API LoopStallMeter {
public:
    LoopStallMeter();
    ~LoopStallMeter();
    LoopStallMeter(const LoopStallMeter&) = delete;
    LoopStallMeter& operator=(const LoopStallMeter&) = delete;

    double LongestGapMs() const;
    // Forgets the gaps so far, e.g. once the start-up is over.
    void Reset();

private:
    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace nimbo
