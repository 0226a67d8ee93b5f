// The port object on a memory line with a virtual clock. The input enables a
// few PLCs over odd ranges, then mixes bytes arriving on the line with the
// calls the server and the clients make. After every step: the receive count
// stays inside the buffer, cells the line cannot address keep their marks,
// every request written is a whole frame, and a read request never leaves
// the range of the PLC being scanned.
#include "link/com_ser.h"
#include "platform/clock.h"
#include "platform/serial_memory.h"
#include "tools/fuzz/input_reader.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <vector>

namespace {

using nimbo::fuzz::InputReader;

constexpr BYTE kReadBlock = 59;
constexpr DWORD kReadRequestLength = 7;  // start, station, length, command, register, checksum

// Register numbers travel in two bytes and a block is 16 cells long: nothing
// from the line lands at or past this cell.
constexpr int kFirstOffLine = 0xFFFF + CComSer::kBlockSize;
constexpr int kMarked[] = {kFirstOffLine,      kFirstOffLine + 1, 0x1FFFF, 0x20000, 200000,
                           CComSer::kRegisterCount - CComSer::kBlockSize, CComSer::kRegisterCount - 1};

std::int32_t MarkOf(int cell) { return static_cast<std::int32_t>(0x5A000000u | static_cast<unsigned>(cell)); }

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// Range ends and register numbers: raw, near the edges that matter, or small.
std::int32_t Number(InputReader& in)
{
    static const std::int64_t edges[] = {0,       15,      16,     0xFFF0, 0xFFFF, 0x10000, 0x1000F, 0x10010,
                                         CComSer::kRegisterCount - CComSer::kBlockSize,
                                         CComSer::kRegisterCount, INT32_MAX, INT32_MIN, -1};
    constexpr int kEdges = sizeof edges / sizeof edges[0];
    switch (in.Byte() % 4) {
    case 0: return in.Int32();
    case 1: return static_cast<std::int32_t>(edges[in.Byte() % kEdges]);
    case 2: return in.Byte() * 16;
    default: {
        std::int64_t v = edges[in.Byte() % kEdges] + static_cast<std::int8_t>(in.Byte());
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }
    }
}

std::vector<std::int32_t> Block(InputReader& in)
{
    std::vector<std::int32_t> values(CComSer::kBlockSize);
    for (auto& v : values)
        v = in.Int32();
    return values;
}

// A reply as a station sends it, checksum right, so that the fuzzer gets past
// the checksum; optionally cut short or without the leading zero.
std::vector<BYTE> Reply(InputReader& in, const CComSer& port)
{
    BYTE flags = in.Byte();
    BYTE station = (flags & 2) ? in.Byte() : static_cast<BYTE>(port.currentPlc);
    BYTE command = in.Byte();
    std::uint16_t reg = in.U16();
    std::vector<BYTE> data = in.Bytes(in.Byte() % 100);
    std::vector<BYTE> frame{0xFF, station, static_cast<BYTE>(data.size() + 7), command,
                            static_cast<BYTE>(reg >> 8), static_cast<BYTE>(reg)};
    frame.insert(frame.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (BYTE b : frame)
        sum += b;
    frame.push_back(static_cast<BYTE>(sum));
    if (flags & 1)
        frame.insert(frame.begin(), 0x00);
    if (flags & 4)
        frame.resize(in.Byte() % (frame.size() + 1));
    return frame;
}

// What was written by our own calls stands; every other marked cell keeps
// its mark.
struct Image {
    std::map<int, std::int32_t> own;

    std::int32_t Expected(int cell) const
    {
        auto it = own.find(cell);
        if (it != own.end())
            return it->second;
        for (int m : kMarked)
            if (m == cell)
                return MarkOf(cell);
        return 0;
    }
    void TakeOwn(const CComSer& port, std::int64_t first, int count)
    {
        for (std::int64_t c = first; c < first + count; ++c)
            if (c >= kFirstOffLine && c < CComSer::kRegisterCount)
                own[static_cast<int>(c)] = port.registers[c];
    }
};

// One port object's storage for the whole run, the object made anew in it
// for every input: a fresh megabyte per input costs more than the input.
CComSer* PortStorage()
{
    static void* storage = ::operator new(sizeof(CComSer), std::align_val_t{alignof(CComSer)});
    return static_cast<CComSer*>(storage);
}

enum Op : BYTE {
    kDeliver,
    kDeliverReply,
    kReceiveStep,
    kNextPlc,
    kPollNext,
    kSendWriteRegister,
    kSendWriteBlock,
    kSetRegister,
    kSetRegisterBlock,
    kGetRegister,
    kSelectPlc,
    kReadText,
    kAdvance,
    kReopen,
    kRetable,
    kSendCommand,
    kOpCount
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputReader in(data, size);
    nimbo::VirtualClock clock;
    nimbo::SetTickSource(&clock);
    auto line = std::make_shared<nimbo::MemoryLine>();
    nimbo::UseMemoryLines({{"COM1", line}});
    CComSer* port = std::construct_at(PortStorage());

    // Every request leaves as one write: a whole frame with its checksum, and
    // a read only for a register of the range being scanned.
    line->responder = [port](const BYTE* bytes, DWORD count) {
        Require(count >= 5 && bytes[0] == 0xFF && bytes[2] == count);
        unsigned sum = 0;
        for (DWORD i = 0; i + 1 < count; ++i)
            sum += bytes[i];
        Require(static_cast<BYTE>(sum) == bytes[count - 1]);
        if (bytes[3] == kReadBlock && count == kReadRequestLength) {
            int reg = bytes[4] * 256 + bytes[5];
            Require(reg >= port->rangeFirst && reg <= port->rangeLast);
        }
        return std::vector<BYTE>{};
    };

    for (int cell : kMarked)
        port->registers[cell] = MarkOf(cell);
    Image image;

    int plcs = 1 + in.Byte() % 3;
    for (int i = 0; i < plcs; ++i) {
        int p = in.Byte() % CComSer::kPlcCount;
        port->plcEnabled[p] = 1;
        port->plcStart[p] = Number(in);
        port->plcStop[p] = Number(in);
    }
    port->Open(4096, 4096, 0);

    while (!in.Empty()) {
        switch (in.Byte() % kOpCount) {
        case kDeliver: line->Deliver(in.Bytes(in.Byte())); break;
        case kDeliverReply: line->Deliver(Reply(in, *port)); break;
        case kReceiveStep: port->ReceiveStep(); break;
        case kNextPlc: {
            port->NextPlc();
            int p = port->currentPlc;
            Require(p == 0 || (p >= 1 && p <= CComSer::kPlcCount && port->plcEnabled[p - 1] == 1));
            break;
        }
        case kPollNext: port->PollNext(); break;
        case kSendWriteRegister: {
            std::int32_t reg = Number(in);
            port->SendWriteRegister(reg, in.Int32());
            break;
        }
        case kSendWriteBlock: {
            std::int32_t reg = Number(in);
            port->SendWriteBlock(reg, Block(in).data());
            break;
        }
        case kSetRegister: {
            int plc = static_cast<std::int8_t>(in.Byte());
            std::int32_t reg = Number(in);
            port->SetRegister(plc, reg, in.Int32());
            image.TakeOwn(*port, reg, 1);
            break;
        }
        case kSetRegisterBlock: {
            int plc = static_cast<std::int8_t>(in.Byte());
            std::int32_t reg = Number(in);
            port->SetRegisterBlock(plc, reg, Block(in).data());
            image.TakeOwn(*port, reg, CComSer::kBlockSize);
            break;
        }
        case kGetRegister: {
            int plc = static_cast<std::int8_t>(in.Byte());
            std::int32_t reg = Number(in);
            std::int32_t v = port->GetRegister(plc, reg);
            if (plc >= 1 && plc <= 31 && reg >= 0 && reg < CComSer::kRegisterCount)
                Require(v == port->registers[reg]);
            break;
        }
        case kSelectPlc: port->SelectPlc(static_cast<SHORT>(in.U16())); break;
        case kReadText: {
            const char* text = port->ReadText();
            Require(text == nullptr || std::memchr(text, 0, CComSer::kBufferSize) != nullptr);
            break;
        }
        case kAdvance: clock.Advance(static_cast<DWORD>(in.Int32())); break;
        case kReopen:
            port->Close();
            port->Open(4096, 4096, 0);
            break;
        case kRetable: {
            int p = in.Byte() % CComSer::kPlcCount;
            std::int32_t* tables[] = {port->plcEnabled, port->plcStart, port->plcStop};
            tables[in.Byte() % 3][p] = Number(in);
            break;
        }
        case kSendCommand: {
            BYTE command = in.Byte();
            if (in.Bool())
                port->SendCommandByte(command, in.Byte());
            else
                port->SendCommand(command);
            break;
        }
        }
        Require(port->rxCount >= 0 && port->rxCount <= CComSer::kBufferSize);
        for (int cell : kMarked)
            Require(port->registers[cell] == image.Expected(cell));
    }

    // The whole part of the image the line cannot reach: the cells that
    // should hold something do (cleared once looked at), and then nothing
    // else holds anything.
    for (int cell : kMarked)
        Require(port->registers[cell] == image.Expected(cell));
    for (const auto& [cell, value] : image.own)
        Require(port->registers[cell] == value);
    for (int cell : kMarked)
        port->registers[cell] = 0;
    for (const auto& [cell, value] : image.own)
        port->registers[cell] = 0;
    static const std::int32_t zeros[CComSer::kRegisterCount - kFirstOffLine] = {};
    Require(std::memcmp(&port->registers[kFirstOffLine], zeros, sizeof zeros) == 0);

    std::destroy_at(port);
    nimbo::SetSerialOpener({});
    nimbo::SetTickSource(nullptr);
    return 0;
}
