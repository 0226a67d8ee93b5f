// Serial communications under the names the port object was written
// against. Every call completes before it returns; an "overlapped" record is
// accepted and left as it is, so callers written for asynchronous I/O work
// unchanged.
#pragma once

#include "platform/export.h"
#include "platform/windef.h"

#include <cstdint>

struct DCB {
    DWORD DCBlength;
    DWORD BaudRate;
    DWORD fBinary : 1;
    DWORD fParity : 1;
    DWORD fOutxCtsFlow : 1;
    DWORD fOutxDsrFlow : 1;
    DWORD fDtrControl : 2;
    DWORD fDsrSensitivity : 1;
    DWORD fTXContinueOnXoff : 1;
    DWORD fOutX : 1;
    DWORD fInX : 1;
    DWORD fErrorChar : 1;
    DWORD fNull : 1;
    DWORD fRtsControl : 2;
    DWORD fAbortOnError : 1;
    DWORD fDummy2 : 17;
    WORD wReserved;
    WORD XonLim;
    WORD XoffLim;
    BYTE ByteSize;
    BYTE Parity;
    BYTE StopBits;
    char XonChar;
    char XoffChar;
    char ErrorChar;
    char EofChar;
    char EvtChar;
    WORD wReserved1;
};

struct COMMTIMEOUTS {
    DWORD ReadIntervalTimeout;
    DWORD ReadTotalTimeoutMultiplier;
    DWORD ReadTotalTimeoutConstant;
    DWORD WriteTotalTimeoutMultiplier;
    DWORD WriteTotalTimeoutConstant;
};

struct COMSTAT {
    DWORD fFlags;
    DWORD cbInQue;
    DWORD cbOutQue;
};

struct OVERLAPPED {
    std::uintptr_t Internal;
    std::uintptr_t InternalHigh;
    DWORD Offset;
    DWORD OffsetHigh;
    HANDLE hEvent;
};

constexpr DWORD GENERIC_READ = 0x80000000u;
constexpr DWORD GENERIC_WRITE = 0x40000000u;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD FILE_FLAG_OVERLAPPED = 0x40000000u;

constexpr DWORD EV_RXCHAR = 0x0001;

constexpr DWORD PURGE_TXABORT = 0x0001;
constexpr DWORD PURGE_RXABORT = 0x0002;
constexpr DWORD PURGE_TXCLEAR = 0x0004;
constexpr DWORD PURGE_RXCLEAR = 0x0008;

constexpr BYTE NOPARITY = 0;
constexpr BYTE ODDPARITY = 1;
constexpr BYTE EVENPARITY = 2;
constexpr BYTE MARKPARITY = 3;
constexpr BYTE SPACEPARITY = 4;
constexpr BYTE ONESTOPBIT = 0;
constexpr BYTE ONE5STOPBITS = 1;
constexpr BYTE TWOSTOPBITS = 2;

constexpr DWORD DTR_CONTROL_DISABLE = 0;
constexpr DWORD DTR_CONTROL_ENABLE = 1;
constexpr DWORD RTS_CONTROL_DISABLE = 0;
constexpr DWORD RTS_CONTROL_ENABLE = 1;

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_GEN_FAILURE = 31;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_IO_INCOMPLETE = 996;
constexpr DWORD ERROR_IO_PENDING = 997;
constexpr DWORD ERROR_TIMEOUT = 1460;

NIMBO_PLATFORM_API HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD shareMode, void* security,
                                      DWORD creation, DWORD flags, HANDLE templateFile);
NIMBO_PLATFORM_API BOOL CloseHandle(HANDLE handle);
NIMBO_PLATFORM_API BOOL SetCommMask(HANDLE handle, DWORD mask);
NIMBO_PLATFORM_API BOOL SetupComm(HANDLE handle, DWORD inQueue, DWORD outQueue);
NIMBO_PLATFORM_API BOOL PurgeComm(HANDLE handle, DWORD flags);
// Returns once what was written has left the port (bounded; see serial.cpp).
NIMBO_PLATFORM_API BOOL FlushFileBuffers(HANDLE handle);
NIMBO_PLATFORM_API BOOL SetCommTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts);
NIMBO_PLATFORM_API BOOL BuildCommDCBA(LPCSTR definition, DCB* dcb);
NIMBO_PLATFORM_API BOOL SetCommState(HANDLE handle, DCB* dcb);
NIMBO_PLATFORM_API BOOL GetCommState(HANDLE handle, DCB* dcb);
NIMBO_PLATFORM_API BOOL ClearCommError(HANDLE handle, DWORD* errors, COMSTAT* status);
NIMBO_PLATFORM_API BOOL WriteFile(HANDLE handle, const void* data, DWORD count, DWORD* written,
                                  OVERLAPPED* overlapped);
NIMBO_PLATFORM_API BOOL ReadFile(HANDLE handle, void* data, DWORD count, DWORD* read,
                                 OVERLAPPED* overlapped);
NIMBO_PLATFORM_API BOOL GetOverlappedResult(HANDLE handle, OVERLAPPED* overlapped, DWORD* transferred,
                                            BOOL wait);
NIMBO_PLATFORM_API DWORD GetLastError();
NIMBO_PLATFORM_API void SetLastError(DWORD error);

namespace nimbo {

// The descriptor behind a port handle, for a watch on the event loop that
// reads the line as soon as bytes arrive; -1 while the line is gone or for
// a device without one. It changes when a lost line is opened again, so a
// watcher asks again after each exchange. Never opens or waits.
NIMBO_PLATFORM_API int SerialDescriptor(HANDLE handle);

}  // namespace nimbo
