// The port object's state and its register image.
#include "link/com_ser.h"

#include <cstring>

IMPLEMENT_DYNCREATE(CComSer, CObject)

namespace {
bool RegisterInImage(int reg) { return reg >= 0 && reg < CComSer::kRegisterCount; }
bool BlockInImage(int reg) { return reg >= 0 && reg <= CComSer::kRegisterCount - CComSer::kBlockSize; }
bool PlcAddressable(int plc) { return plc >= 1 && plc <= 31; }
}  // namespace

CComSer::CComSer()
    : currentPlc(1),
      portNumber(1),
      baudRate(115200),
      timerInterval(100),
      portHandle(INVALID_HANDLE_VALUE),
      expectedLength(0),
      waiting(0),
      lastCount(0),
      stallCount(0),
      rxCount(0),
      nextRegister(0),
      rangeFirst(0),
      rangeLast(900),
      passStart(0),
      lastDrop(LINK_DROP_NONE),
      replyTimeout(30),
      replyDriven(0),
      fastExchange(FAST_NONE),
      requestTick(0),
      advancePending(0),
      writePlc(0),
      replyTaken(0),
      spoiltReply(0)
{
    // The steering tables belong to the server, which loads them; zero them
    // so a bare object never polls at random.
    std::memset(plcEnabled, 0, sizeof plcEnabled);
    std::memset(plcStart, 0, sizeof plcStart);
    std::memset(plcStop, 0, sizeof plcStop);
    std::memset(plcStatus, 0, sizeof plcStatus);
    std::memset(plcScanTime, 0, sizeof plcScanTime);
    std::memset(plcLastSeen, 0, sizeof plcLastSeen);
    std::memset(&dcb, 0, sizeof dcb);
    std::memset(registers, 0, sizeof registers);
    std::memset(rxBuffer, 0, sizeof rxBuffer);
    std::memset(txBuffer, 0, sizeof txBuffer);
}

CComSer::~CComSer() { Close(); }

std::int32_t* CComSer::GetRegisters() { return registers; }

std::int32_t CComSer::GetRegister(int plc, int reg)
{
    if (!PlcAddressable(plc))
        return -1;
    if (!RegisterInImage(reg)) {
        lastDrop = LINK_DROP_REGISTER_OUTSIDE_IMAGE;
        return 0;
    }
    return registers[reg];
}

void CComSer::SetRegister(int plc, int reg, std::int32_t value)
{
    if (!PlcAddressable(plc))
        return;
    if (!RegisterInImage(reg)) {
        lastDrop = LINK_DROP_REGISTER_OUTSIDE_IMAGE;
        return;
    }
    registers[reg] = value;
    SendWriteNow(plc, reg, 1, &value);
}

void CComSer::SetRegisterBlock(int plc, int reg, const std::int32_t* values)
{
    if (!PlcAddressable(plc) || values == nullptr)
        return;
    if (!BlockInImage(reg)) {
        lastDrop = LINK_DROP_BLOCK_OUTSIDE_IMAGE;
        return;
    }
    std::memcpy(&registers[reg], values, kBlockSize * sizeof(std::int32_t));
    SendWriteNow(plc, reg, kBlockSize, values);
}

// While the reply-driven scan awaits a reply, a write sent now would cut
// into that exchange (its echo mixed with the awaited reply, the awaited
// length changed under it): it waits for the gap after the exchange.
// The gap itself belongs to the scan too (a write sent while the server
// tells its clients about a pass would meet the next request on the line),
// so every write of the reply-driven scan is queued and sent by FastSendNext.
void CComSer::SendWriteNow(int plc, int reg, int count, const std::int32_t* values)
{
    if (replyDriven) {
        QueuedWrite w{plc, reg, count, {}};
        std::memcpy(w.values, values, static_cast<std::size_t>(count) * sizeof(std::int32_t));
        queuedWrites.push_back(w);
        return;
    }
    SendWriteFrame(plc, reg, count, values);
}

void CComSer::SendWriteFrame(int plc, int reg, int count, const std::int32_t* values)
{
    std::int32_t scanned = currentPlc;
    currentPlc = plc;
    if (count == 1)
        SendWriteRegister(reg, values[0]);
    else
        SendWriteBlock(reg, values);
    currentPlc = scanned;
}

void CComSer::SwapLong(void* destination, const void* source)
{
    const auto* from = static_cast<const BYTE*>(source);
    BYTE swapped[4] = {from[3], from[2], from[1], from[0]};
    std::memcpy(destination, swapped, 4);
}

void CComSer::SwapLongs(void* destination, const void* source, int count)
{
    auto* to = static_cast<BYTE*>(destination);
    const auto* from = static_cast<const BYTE*>(source);
    for (int i = 0; i < count; ++i)
        SwapLong(to + 4 * i, from + 4 * i);
}

BYTE CComSer::Checksum(int length, const BYTE* bytes)
{
    unsigned sum = 0;
    for (int i = 0; i < length; ++i)
        sum += bytes[i];
    return static_cast<BYTE>(sum);
}

BYTE CComSer::ReceiveChecksum(int length)
{
    if (length > kBufferSize)
        length = kBufferSize;
    return Checksum(length, rxBuffer);
}

void CComSer::SetRange(int a, int b)
{
    rangeFirst = a < b ? a : b;
    rangeLast = a < b ? b : a;
    nextRegister = rangeFirst;
}

int CComSer::FindEnabledPlc(int index)
{
    for (int j = index < 0 ? 0 : index; j < kPlcCount; ++j) {
        if (plcEnabled[j] == 1) {
            SetRange(plcStart[j], plcStop[j]);
            return j + 1;
        }
    }
    return 0;
}
