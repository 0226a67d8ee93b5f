// The reply-driven scan's side of the port object: each exchange is decided
// as soon as its reply is whole, or once its deadline has passed, and the
// next request goes out at once; writes wait for the gap between two
// exchanges. Nothing here waits: the server calls in when the line has
// bytes or a deadline is due.
#include "link/com_ser.h"

#include "platform/clock.h"

#include <cstring>

namespace {

constexpr BYTE kStartOfFrame = 0xFF;
constexpr int kMinFrame = 5;  // start, station, length, command, checksum
constexpr int kLastLineRegister = 0xFFFF;
constexpr DWORD kBitsPerByte = 10;

}  // namespace

DWORD CComSer::ReplyDeadline(int replyBytes) const
{
    const DWORD baud = baudRate > 0 ? static_cast<DWORD>(baudRate) : 9600;
    const DWORD bytes = replyBytes > 0 ? static_cast<DWORD>(replyBytes) : 0;
    const DWORD wire = (bytes * kBitsPerByte * 1000 + baud - 1) / baud;
    return wire + static_cast<DWORD>(replyTimeout > 0 ? replyTimeout : 0);
}

// A frame start for the awaited station decides: whole, the reply is in;
// still arriving, it is waited for even when the awaited count has been
// reached (bytes before it, garbage on the line, made the count). Without
// one the awaited count decides, and CheckReply rejects what is not a reply.
bool CComSer::FastReplyComplete() const
{
    const int n = rxCount < kBufferSize ? rxCount : kBufferSize;
    if (n <= 0)
        return false;
    const int station = fastExchange == FAST_WRITE ? writePlc : currentPlc;
    for (int i = 0; i + 2 < n; ++i) {
        if (rxBuffer[i] != kStartOfFrame || rxBuffer[i + 1] != station)
            continue;
        const int length = rxBuffer[i + 2];
        if (length < kMinFrame)
            continue;
        return i + length <= n;
    }
    return n >= expectedLength;
}

int CComSer::FastStep()
{
    if (fastExchange == FAST_NONE)
        return FAST_IDLE;
    ReadAppend();
    const bool write = fastExchange == FAST_WRITE;
    if (!FastReplyComplete()) {
        if (GetTickCount() - requestTick < ReplyDeadline(expectedLength))
            return FAST_WAITING;
        fastExchange = FAST_NONE;
        rxCount = 0;
        std::memset(rxBuffer, 0, sizeof rxBuffer);
        return write ? FAST_WRITE_DONE : FAST_NOT_ANSWERED;
    }
    fastExchange = FAST_NONE;
    if (write) {
        // The echo holds the station's value, which goes into the image; the
        // scan's place in its own PLC's range stays where it was.
        const std::int32_t scanned = currentPlc;
        const std::int32_t next = nextRegister;
        currentPlc = writePlc;
        CheckReply();
        currentPlc = scanned;
        nextRegister = next;
        rxCount = 0;
        return FAST_WRITE_DONE;
    }
    CheckReply();
    rxCount = 0;
    if (PassDone()) {
        ClosePass();
        return FAST_PASS_CLOSED;
    }
    return FAST_BLOCK_APPLIED;
}

BOOL CComSer::FastSendNext(BOOL advance)
{
    if (advance)
        advancePending = 1;
    // Whatever is still arriving belongs to an exchange already decided (a
    // reply after its deadline, the rest of a spoilt one): off the line, so
    // that it is not taken for the next reply.
    if (portHandle != INVALID_HANDLE_VALUE)
        PurgeComm(portHandle, PURGE_RXCLEAR);
    rxCount = 0;
    while (!queuedWrites.empty()) {
        const QueuedWrite w = queuedWrites.front();
        queuedWrites.pop_front();
        // A register the line cannot carry is refused as SendWriteRegister
        // would, and no reply is awaited for it.
        if (w.reg < 0 || w.reg > kLastLineRegister) {
            lastDrop = LINK_DROP_REGISTER_NOT_ON_LINE;
            continue;
        }
        writePlc = w.plc;
        SendWriteFrame(w.plc, w.reg, w.count, w.values);
        fastExchange = FAST_WRITE;
        return TRUE;
    }
    if (advancePending) {
        advancePending = 0;
        if (SelectNextPlc() == 0)
            return FALSE;
    }
    if (currentPlc == 0) {
        lastDrop = LINK_DROP_NO_PLC_ENABLED;
        return FALSE;
    }
    // A range past the line's numbers sends nothing: its deadline passes
    // and the PLC counts as not answering, as on the timer.
    requestTick = GetTickCount();
    AskBlock();
    fastExchange = FAST_READ;
    return TRUE;
}

void CComSer::AdoptOutstanding()
{
    fastExchange = currentPlc != 0 ? FAST_READ : FAST_NONE;
    advancePending = 0;
}

void CComSer::LeaveFastScan(BOOL advance)
{
    replyDriven = 0;
    fastExchange = FAST_NONE;
    while (!queuedWrites.empty()) {
        const QueuedWrite w = queuedWrites.front();
        queuedWrites.pop_front();
        SendWriteFrame(w.plc, w.reg, w.count, w.values);
    }
    waiting = 0;
    lastCount = 0;
    stallCount = 0;
    rxCount = 0;
    if (advance || advancePending) {
        advancePending = 0;
        NextPlc();
    } else {
        PollNext();
    }
}
