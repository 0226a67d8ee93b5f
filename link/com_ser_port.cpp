// The port object's side of the serial port: open with the link's line
// settings, close, write frames and texts, take in what the line delivered.
#include "link/com_ser.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;

HANDLE OpenPortByNumber(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "COM%d", number);
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool IsListedSpeed(int baud)
{
    static const int speeds[] = {600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    for (int s : speeds)
        if (s == baud)
            return true;
    return false;
}

// An operation either completed at once or is waited for here; a failure
// only clears the port's error state, the protocol sees missing bytes.
void Complete(HANDLE port, BOOL started, OVERLAPPED* overlapped)
{
    if (started)
        return;
    if (GetLastError() == ERROR_IO_PENDING) {
        DWORD transferred = 0;
        while (!GetOverlappedResult(port, overlapped, &transferred, TRUE))
            if (GetLastError() != ERROR_IO_INCOMPLETE)
                break;
        return;
    }
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(port, &errors, &status);
}

DWORD BytesWaiting(HANDLE port)
{
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(port, &errors, &status);
    return status.cbInQue;
}

}  // namespace

int CComSer::Open(int inQueue, int outQueue, int handshake)
{
    HANDLE port = OpenPortByNumber(portNumber);
    if (port == INVALID_HANDLE_VALUE)
        return 0;
    if (portHandle != INVALID_HANDLE_VALUE)
        CloseHandle(portHandle);
    portHandle = port;

    SetCommMask(portHandle, EV_RXCHAR);
    SetupComm(portHandle, static_cast<DWORD>(inQueue), static_cast<DWORD>(outQueue));
    PurgeComm(portHandle, kPurgeAll);

    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = 0xFFFFFFFFu;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 1000;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 1000;
    SetCommTimeouts(portHandle, &timeouts);

    char settings[96];
    std::snprintf(settings, sizeof settings, "COM%d : baud=%d parity=N data=8 stop=1 ", portNumber, baudRate);
    std::memset(&dcb, 0, sizeof dcb);
    BuildCommDCBA(settings, &dcb);
    if (IsListedSpeed(baudRate))
        dcb.BaudRate = static_cast<DWORD>(baudRate);

    DWORD h = static_cast<DWORD>(handshake);
    dcb.fBinary = 1;
    dcb.fParity = 0;
    dcb.fOutxCtsFlow = h & 1;
    dcb.fOutxDsrFlow = h & 1;
    dcb.fDtrControl = h & 3;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fErrorChar = 0;
    dcb.fNull = 0;
    dcb.fRtsControl = h & 3;
    SetCommState(portHandle, &dcb);

    currentPlc = FindEnabledPlc(0);
    stallCount = 0;
    return currentPlc != 0 ? 1 : 0;
}

void CComSer::Close()
{
    if (portHandle == INVALID_HANDLE_VALUE)
        return;
    PurgeComm(portHandle, kPurgeAll);
    CloseHandle(portHandle);
    portHandle = INVALID_HANDLE_VALUE;
}

int CComSer::ProbePort(int number)
{
    HANDLE port = OpenPortByNumber(number);
    if (port == INVALID_HANDLE_VALUE)
        return 0;
    CloseHandle(port);
    return 1;
}

void CComSer::WriteFrame()
{
    OVERLAPPED overlapped{};
    DWORD written = 0;
    BOOL started = WriteFile(portHandle, txBuffer, txBuffer[2], &written, &overlapped);
    Complete(portHandle, started, &overlapped);
}

void CComSer::SendText(const char* text)
{
    if (portHandle == INVALID_HANDLE_VALUE || text == nullptr)
        return;
    OVERLAPPED overlapped{};
    DWORD written = 0;
    BOOL started = WriteFile(portHandle, text, static_cast<DWORD>(std::strlen(text)), &written, &overlapped);
    Complete(portHandle, started, &overlapped);
}

void CComSer::SendTextAndClose(const char* text)
{
    SendText(text);
    // The text must be on the wire before the close purges what is unsent:
    // a modem never told to hang up keeps the telephone line.
    if (portHandle != INVALID_HANDLE_VALUE)
        FlushFileBuffers(portHandle);
    Close();
}

// Bytes beyond the buffer's room are taken off the line and dropped: once
// the buffer is full the reply in it is decided on the same check, and
// stale surplus would only spoil the next one.
int CComSer::ReadAppend()
{
    DWORD waitingBytes = BytesWaiting(portHandle);
    if (waitingBytes == 0)
        return 0;
    if (rxCount < 0 || rxCount > kBufferSize)
        rxCount = 0;
    DWORD room = static_cast<DWORD>(kBufferSize - rxCount);
    DWORD take = waitingBytes < room ? waitingBytes : room;
    OVERLAPPED overlapped{};
    DWORD read = 0;
    BOOL started = ReadFile(portHandle, rxBuffer + rxCount, take, &read, &overlapped);
    Complete(portHandle, started, &overlapped);
    rxCount += static_cast<std::int32_t>(read);
    if (waitingBytes > take) {
        BYTE surplus[kBufferSize];
        DWORD left = waitingBytes - take;
        while (left > 0) {
            DWORD chunk = left < sizeof surplus ? left : sizeof surplus;
            DWORD got = 0;
            OVERLAPPED drop{};
            ReadFile(portHandle, surplus, chunk, &got, &drop);
            if (got == 0)
                break;
            left -= got;
        }
    }
    return static_cast<int>(read);
}

// The modem's answers are short texts; what does not fit in 255 bytes stays
// in the driver for the next call, so an answer is never cut in the middle
// and lost.
char* CComSer::ReadText()
{
    DWORD waitingBytes = BytesWaiting(portHandle);
    if (waitingBytes == 0)
        return nullptr;
    // The last byte is cleared too so the text is always terminated, even when
    // 255 bytes came in.
    std::memset(rxBuffer, 0, kBufferSize);
    DWORD take = waitingBytes < kBufferSize - 1 ? waitingBytes : kBufferSize - 1;
    OVERLAPPED overlapped{};
    DWORD read = 0;
    BOOL started = ReadFile(portHandle, rxBuffer, take, &read, &overlapped);
    Complete(portHandle, started, &overlapped);
    return reinterpret_cast<char*>(rxBuffer);
}
