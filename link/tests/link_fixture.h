// A port object on a memory line with a virtual clock: no device, no real
// waits, every byte on the line visible to the test.
#pragma once

#include "link/com_ser.h"
#include "platform/clock.h"
#include "platform/serial_memory.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A reply or request frame: start, station, length, command, data, checksum.
inline std::vector<BYTE> MakeFrame(int station, int command, const std::vector<BYTE>& data = {})
{
    std::vector<BYTE> f{0xFF, static_cast<BYTE>(station), static_cast<BYTE>(data.size() + 5),
                        static_cast<BYTE>(command)};
    f.insert(f.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (BYTE b : f)
        sum += b;
    f.push_back(static_cast<BYTE>(sum));
    return f;
}

// The 71-byte answer to a read-block request: register r and 16 values.
inline std::vector<BYTE> BlockReply(int station, int reg, std::int32_t first, bool leadingZero = true)
{
    std::vector<BYTE> data{static_cast<BYTE>(reg >> 8), static_cast<BYTE>(reg & 0xFF)};
    for (int i = 0; i < 16; ++i) {
        std::uint32_t v = static_cast<std::uint32_t>(first + i);
        for (int shift = 24; shift >= 0; shift -= 8)
            data.push_back(static_cast<BYTE>(v >> shift));
    }
    std::vector<BYTE> out;
    if (leadingZero)
        out.push_back(0x00);
    auto frame = MakeFrame(station, 0xBB, data);
    out.insert(out.end(), frame.begin(), frame.end());
    return out;
}

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nimbo::SetTickSource(&clock);
        line = std::make_shared<nimbo::MemoryLine>();
        other = std::make_shared<nimbo::MemoryLine>();
        nimbo::UseMemoryLines({{"COM1", line}, {"COM2", other}});
        port = std::make_unique<CComSer>();
    }
    void TearDown() override
    {
        port.reset();
        nimbo::SetSerialOpener({});
        nimbo::SetTickSource(nullptr);
    }

    // Enables one PLC over a range and opens COM1.
    void OpenWith(int plc, int first, int last)
    {
        port->plcEnabled[plc - 1] = 1;
        port->plcStart[plc - 1] = first;
        port->plcStop[plc - 1] = last;
        ASSERT_EQ(port->Open(4096, 4096, 0), 1);
    }

    // The last frame the port object wrote, by its length byte.
    std::vector<BYTE> LastRequest() const
    {
        const auto& w = line->written;
        for (std::size_t i = w.size(); i-- > 0;) {
            if (w[i] == 0xFF && i + 2 < w.size() && i + w[i + 2] == w.size())
                return {w.begin() + static_cast<long>(i), w.end()};
        }
        return {};
    }

    int LastRequestedRegister() const
    {
        auto r = LastRequest();
        return r.size() >= 6 ? r[4] * 256 + r[5] : -1;
    }

    nimbo::VirtualClock clock;
    std::shared_ptr<nimbo::MemoryLine> line;
    std::shared_ptr<nimbo::MemoryLine> other;
    std::unique_ptr<CComSer> port;
};
