// The millisecond tick count, the local time of day and the plain sleep that
// blocking waits are built from. Tests swap the tick source for a virtual
// clock so that waits of the link protocol cost nothing.
#pragma once

#include "platform/export.h"
#include "platform/windef.h"

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

NIMBO_PLATFORM_API DWORD GetTickCount();
NIMBO_PLATFORM_API void GetLocalTime(SYSTEMTIME* time);
NIMBO_PLATFORM_API void Sleep(DWORD milliseconds);

namespace nimbo {

class TickSource {
public:
    virtual ~TickSource() = default;
    virtual DWORD Now() = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
};

// Replaces the real clock for the whole process; null puts the real one back.
NIMBO_PLATFORM_API void SetTickSource(TickSource* source);

// A clock that only moves when asked to: Sleep advances it at once.
class NIMBO_PLATFORM_API VirtualClock : public TickSource {
public:
    DWORD Now() override { return now_; }
    void Sleep(DWORD milliseconds) override { now_ += milliseconds; slept_ += milliseconds; }
    void Advance(DWORD milliseconds) { now_ += milliseconds; }
    DWORD TotalSlept() const { return slept_; }

private:
    DWORD now_ = 1000;
    DWORD slept_ = 0;
};

}  // namespace nimbo
