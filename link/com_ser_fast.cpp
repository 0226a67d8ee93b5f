// The reply-driven scan's side of the port object: each exchange is decided
// as soon as its reply is whole, or once its deadline has passed, and the
// next request goes out at once; writes wait for the gap between two
// exchanges. Nothing here waits: the server calls in when the line has
// bytes or a deadline is due.
#include "link/com_ser.h"

#include "link/com_ser_frames.h"
#include "platform/clock.h"

#include <cstring>

namespace {

using namespace link_frames;

constexpr int kMinFrame = 5;  // start, station, length, command, checksum
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

// One request is on the line at a time, and its exchange ends only with its
// own answer or its deadline. A reply that came too late for an earlier
// exchange (the station slow, the line still busy with an older answer)
// would otherwise close this one, and this one's answer would arrive during
// the next, where the tail of a cut-off frame and the head of the next reply
// can pass the one-byte checksum together. A spoilt reply (bad checksum,
// another station) is dropped and the block asked again at the deadline, as
// the timer scan asks it again at its next tick; no reply at all is a PLC
// not answering.
bool CComSer::AwaitedReply(int command, int reg) const
{
    if (fastExchange == FAST_WRITE)
        return command == kReplyWrite || command == kReplyWriteAlt;
    if (fastExchange == FAST_READ)
        return command == kReplyEndOfPass || (command == kReplyBlock && reg == nextRegister);
    return false;
}

int CComSer::FastStep()
{
    if (fastExchange == FAST_NONE)
        return FAST_IDLE;
    ReadAppend();
    const bool write = fastExchange == FAST_WRITE;
    if (FastReplyComplete()) {
        replyTaken = 0;
        // The echo holds the station's value, which goes into the image; the
        // scan's place in its own PLC's range stays where it was.
        const std::int32_t scanned = currentPlc;
        const std::int32_t next = nextRegister;
        if (write)
            currentPlc = writePlc;
        CheckReply();
        if (write) {
            currentPlc = scanned;
            nextRegister = next;
        }
        rxCount = 0;
        if (replyTaken) {
            fastExchange = FAST_NONE;
            spoiltReply = 0;
            if (write)
                return FAST_WRITE_DONE;
            if (PassDone()) {
                ClosePass();
                return FAST_PASS_CLOSED;
            }
            return FAST_BLOCK_APPLIED;
        }
        spoiltReply = 1;
    }
    if (GetTickCount() - requestTick < ReplyDeadline(expectedLength))
        return FAST_WAITING;
    fastExchange = FAST_NONE;
    rxCount = 0;
    std::memset(rxBuffer, 0, sizeof rxBuffer);
    const bool spoilt = spoiltReply != 0;
    spoiltReply = 0;
    if (write)
        return FAST_WRITE_DONE;
    return spoilt ? FAST_BLOCK_APPLIED : FAST_NOT_ANSWERED;
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
        spoiltReply = 0;
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
    spoiltReply = 0;
    return TRUE;
}

void CComSer::AdoptOutstanding()
{
    fastExchange = currentPlc != 0 ? FAST_READ : FAST_NONE;
    advancePending = 0;
    spoiltReply = 0;
}

void CComSer::LeaveFastScan(BOOL advance)
{
    replyDriven = 0;
    fastExchange = FAST_NONE;
    spoiltReply = 0;
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
