// The PLC link protocol: building and sending requests, deciding when a
// reply is complete, finding and checking it, applying it, and sequencing one
// PLC's pass over its register range.
#include "link/com_ser.h"

#include "link/com_ser_frames.h"
#include "link/tick_wait.h"
#include "platform/clock.h"

#include <cstring>

namespace {

using namespace link_frames;

constexpr int kSearchWindow = 80;
constexpr int kStallLimit = 5;
constexpr DWORD kRequestPause = 20;
constexpr DWORD kCommandPause = 100;
constexpr DWORD kSelectPause = 25;

void PutRegisterNumber(BYTE* at, int reg)
{
    at[0] = static_cast<BYTE>(reg / 256);
    at[1] = static_cast<BYTE>(reg % 256);
}

int RegisterNumberAt(const BYTE* at) { return at[0] * 256 + at[1]; }

bool HasStatusEntry(int plc) { return plc >= 1 && plc <= CComSer::kPlcCount; }

std::int32_t PackedLocalTime()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 65536 + now.wMinute * 256 + now.wSecond;
}

}  // namespace

void CComSer::SetExpectedLength()
{
    switch (txBuffer[3]) {
    case 28:
    case kWriteRegister: expectedLength = 11; break;
    case kReadBlock: expectedLength = 72; break;
    default: expectedLength = 5; break;
    }
}

void CComSer::SendFrame(int payloadLength)
{
    if (payloadLength < 1 || payloadLength + 4 > kBufferSize)
        return;
    txBuffer[0] = kStartOfFrame;
    txBuffer[1] = static_cast<BYTE>(currentPlc);
    txBuffer[2] = static_cast<BYTE>(payloadLength + 4);
    txBuffer[payloadLength + 3] = Checksum(payloadLength + 3, txBuffer);
    SetExpectedLength();
    WriteFrame();
    requestTick = GetTickCount();
    // The reply-driven scan looks when the reply is in, not at a tick.
    if (!replyDriven)
        WaitTicks(kRequestPause);
}

void CComSer::SendCommand(BYTE command)
{
    txBuffer[0] = kStartOfFrame;
    txBuffer[1] = static_cast<BYTE>(currentPlc);
    txBuffer[2] = 5;
    txBuffer[3] = command;
    txBuffer[4] = Checksum(4, txBuffer);
    SetExpectedLength();
    WriteFrame();
}

void CComSer::SendCommandWait(BYTE command)
{
    SendCommand(command);
    if (!replyDriven)
        WaitTicks(kCommandPause);
}

void CComSer::SendCommandByte(BYTE command, BYTE data)
{
    txBuffer[0] = kStartOfFrame;
    txBuffer[1] = static_cast<BYTE>(currentPlc);
    txBuffer[2] = 6;
    txBuffer[3] = command;
    txBuffer[4] = data;
    txBuffer[5] = Checksum(5, txBuffer);
    SetExpectedLength();
    WriteFrame();
}

// A register number that does not fit the line's two bytes would reach the
// station as another register; such a write is not sent at all.
void CComSer::SendWriteRegister(int reg, std::int32_t value)
{
    if (reg < 0 || reg > kLastLineRegister) {
        lastDrop = LINK_DROP_REGISTER_NOT_ON_LINE;
        return;
    }
    txBuffer[3] = kWriteRegister;
    PutRegisterNumber(&txBuffer[4], reg);
    SwapLong(&txBuffer[6], &value);
    SendFrame(7);
}

void CComSer::SendWriteBlock(int reg, const std::int32_t* values)
{
    if (values == nullptr)
        return;
    if (reg < 0 || reg > kLastLineRegister) {
        lastDrop = LINK_DROP_REGISTER_NOT_ON_LINE;
        return;
    }
    txBuffer[3] = kWriteBlock;
    PutRegisterNumber(&txBuffer[4], reg);
    SwapLongs(&txBuffer[6], values, kBlockSize);
    SendFrame(67);
}

int CComSer::PollNext()
{
    // No PLC selected (none enabled): the scan stays idle and nothing goes
    // to station 0.
    if (currentPlc == 0) {
        lastDrop = LINK_DROP_NO_PLC_ENABLED;
        return 0;
    }
    int closed = PassDone() ? ClosePass() : RECEIVE_GOING_ON;
    AskBlock();
    return closed;
}

// Register numbers travel as 16 bits: a pass ends where the line's numbers
// end, rather than ask for register 65536 as register 0 and have the reply
// written over cells that are not this PLC's.
bool CComSer::PassDone() const
{
    return nextRegister > rangeLast || (nextRegister > kLastLineRegister && nextRegister != rangeFirst);
}

int CComSer::ClosePass()
{
    nextRegister = rangeFirst;
    if (HasStatusEntry(currentPlc)) {
        int i = currentPlc - 1;
        plcStatus[i] = PLC_OK;
        plcScanTime[i] = GetTickCount() - passStart;
        plcLastSeen[i] = PackedLocalTime();
    }
    return RECEIVE_PASS_CLOSED;
}

void CComSer::AskBlock()
{
    // A range that starts past the line's numbers has nothing to ask: the
    // PLC counts as not answering.
    if (nextRegister < 0 || nextRegister > kLastLineRegister) {
        lastDrop = LINK_DROP_REGISTER_NOT_ON_LINE;
        return;
    }
    txBuffer[3] = kReadBlock;
    PutRegisterNumber(&txBuffer[4], nextRegister);
    SendFrame(3);
}

int CComSer::NextPlc()
{
    if (SelectNextPlc() == 0)
        return 0;
    return PollNext();
}

int CComSer::SelectNextPlc()
{
    int p = FindEnabledPlc(currentPlc);
    if (p == 0)
        p = FindEnabledPlc(0);
    currentPlc = p;
    if (p == 0) {
        lastDrop = LINK_DROP_NO_PLC_ENABLED;
        return 0;
    }
    plcStatus[p - 1] = PLC_IN_USE;
    passStart = GetTickCount();
    return p;
}

int CComSer::ReceiveStep()
{
    ReadAppend();
    if (rxCount != 0 && rxCount >= expectedLength) {
        waiting = 0;
        lastCount = 0;
        CheckReply();
        int r = PollNext();
        rxCount = 0;
        stallCount = 0;
        return r;
    }
    if (waiting == 0) {
        waiting = 1;
        lastCount = rxCount;
        return RECEIVE_NO_COMPLETE_REPLY;
    }
    if (rxCount == lastCount) {
        stallCount += 1;
        if (stallCount >= kStallLimit) {
            waiting = 0;
            lastCount = 0;
            rxCount = 0;
            stallCount = 0;
            if (HasStatusEntry(currentPlc))
                plcStatus[currentPlc - 1] = PLC_DEAD;
        }
        return RECEIVE_NO_COMPLETE_REPLY;
    }
    if (lastCount > rxCount)
        return RECEIVE_GOING_ON;
    lastCount = rxCount;
    return RECEIVE_NO_COMPLETE_REPLY;
}

void CComSer::CheckReply()
{
    const BYTE station = static_cast<BYTE>(currentPlc);
    bool stationMatches = currentPlc >= 0 && currentPlc <= 0xFF;

    // A frame at the very first byte, without the leading 0x00: shift it up
    // one place so that both forms look alike from here on.
    // Bytes of the reply really received, counted from rxBuffer[0] as it is
    // moved about below; the rest of the buffer is the zeros left by the last
    // clearing, not the line's.
    int received = rxCount < kBufferSize ? rxCount : kBufferSize;
    if (stationMatches && rxBuffer[0] == kStartOfFrame && rxBuffer[1] == station) {
        int length = rxBuffer[2];
        int moved = length + 1 < kBufferSize ? length + 1 : kBufferSize - 1;
        std::memmove(&rxBuffer[1], &rxBuffer[0], moved);
        rxBuffer[0] = 0x00;
        received += 1;
    }

    for (int i = 0; stationMatches && i < kSearchWindow; ++i) {
        if (rxBuffer[i] != 0x00 || rxBuffer[i + 1] != kStartOfFrame || rxBuffer[i + 2] != station)
            continue;
        if (i > 0) {
            int moved = rxBuffer[i + 3] + 1;
            if (i + moved > kBufferSize) {
                lastDrop = LINK_DROP_FRAME_PAST_BUFFER;
                std::memset(rxBuffer, 0, sizeof rxBuffer);
                return;
            }
            std::memmove(&rxBuffer[0], &rxBuffer[i], moved);
            received -= i;
        }
        break;
    }

    if (stationMatches && rxBuffer[0] == 0x00 && rxBuffer[1] == kStartOfFrame && rxBuffer[2] == station) {
        int length = rxBuffer[3];
        // The frame must hold at least the start, station, length, command
        // and checksum, and its checksum byte must lie inside the buffer.
        if (length >= 5 && length < kBufferSize) {
            // A frame found late in the buffer may not have arrived whole:
            // its missing tail would read as zeros, and now and then those
            // zeros even pass the one-byte checksum. Only a whole frame counts.
            if (length + 1 > received)
                lastDrop = LINK_DROP_FRAME_INCOMPLETE;
            else if (ReceiveChecksum(length) == rxBuffer[length])
                DispatchReply();
        } else {
            lastDrop = LINK_DROP_FRAME_PAST_BUFFER;
        }
    }
    std::memset(rxBuffer, 0, sizeof rxBuffer);
}

void CComSer::DispatchReply()
{
    // The reply command decides what is read; the frame's length byte is
    // only used for its checksum. Everything read lies inside the buffer.
    const BYTE* frame = &rxBuffer[1];
    int reg = RegisterNumberAt(&frame[4]);
    if (replyDriven && !AwaitedReply(frame[3], reg)) {
        lastDrop = LINK_DROP_REPLY_NOT_AWAITED;
        return;
    }
    replyTaken = 1;
    switch (frame[3]) {
    case kReplyEndOfPass:
        // Past the range, so that the PollNext that follows closes the pass;
        // a stop entry at the top of the integers must not overflow, and
        // anything past the line's numbers closes the pass as well.
        nextRegister = rangeLast < kLastLineRegister ? rangeLast + 1 : kLastLineRegister + 1;
        break;
    case kReplyWrite:
    case kReplyWriteAlt:
        if (reg >= kRegisterCount) {
            lastDrop = LINK_DROP_REGISTER_OUTSIDE_IMAGE;
            break;
        }
        SwapLong(&registers[reg], &frame[6]);
        // The scan follows an echo only inside this PLC's range: after a
        // write below it, it would ask there, refuse the block that comes
        // back as outside the range and ask again, and the pass never ends.
        if (reg >= rangeFirst && reg <= rangeLast)
            nextRegister = reg + 1;
        break;
    case kReplyBlock:
        if (reg > kRegisterCount - kBlockSize) {
            lastDrop = LINK_DROP_BLOCK_OUTSIDE_IMAGE;
            break;
        }
        // Only this PLC's own registers: a block from outside its range is a
        // stale or misaddressed reply (another station's frame under this
        // number), and following it would read the station outside its range
        // into cells of other PLCs. The same block is asked again.
        if (reg < rangeFirst || reg > rangeLast) {
            lastDrop = LINK_DROP_BLOCK_OUTSIDE_RANGE;
            break;
        }
        SwapLongs(&registers[reg], &frame[6], kBlockSize);
        nextRegister = reg + kBlockSize;
        break;
    default:
        // The reply-driven scan sends its next request itself, once the
        // reply has been taken in; asking here as well would put two on the line.
        if (!replyDriven)
            PollNext();
        break;
    }
}

void CComSer::SelectPlc(SHORT plc)
{
    if (!replyDriven)
        WaitTicks(kSelectPause);
    ReadAppend();
    if (rxCount != 0 && rxCount >= expectedLength)
        CheckReply();
    rxCount = 0;
    currentPlc = plc;
    lastCount = 0;
    stallCount = 0;
    waiting = 1;
    PollNext();
    if (!replyDriven)
        WaitTicks(kSelectPause);
}
