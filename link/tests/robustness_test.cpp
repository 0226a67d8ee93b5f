// Whatever the line delivers, the receiver stays inside its buffer and the
// image, and never applies what it did not verify.
#include "link/tests/link_fixture.h"

#include <random>

namespace {

// Noise with a bias towards the bytes the receiver looks for.
std::vector<BYTE> Noise(std::mt19937& rng, std::size_t n)
{
    static const BYTE interesting[] = {0x00, 0xFF, 0x01, 0x80, 0x9C, 0x9D, 0xBB, 0x47, 0x0B, 0x05};
    std::vector<BYTE> bytes(n);
    for (BYTE& b : bytes)
        b = rng() % 3 == 0 ? interesting[rng() % sizeof interesting] : static_cast<BYTE>(rng());
    return bytes;
}

}  // namespace

TEST_F(LinkTest, RandomTrafficNeverLeavesTheBuffersOrTheRange)
{
    OpenWith(1, 1000, 1063);
    port->NextPlc();
    std::mt19937 rng(20261208);
    for (int round = 0; round < 3000; ++round) {
        std::vector<BYTE> chunk = Noise(rng, rng() % 300);
        if (rng() % 4 == 0) {  // now and then a good reply somewhere in the noise
            auto reply = BlockReply(1, port->nextRegister, round);
            chunk.insert(chunk.begin() + static_cast<long>(rng() % (chunk.size() + 1)), reply.begin(), reply.end());
        }
        line->Deliver(chunk);
        int r = port->ReceiveStep();
        ASSERT_TRUE(r >= 0 && r <= 2);
        ASSERT_GE(port->rxCount, 0);
        ASSERT_LE(port->rxCount, CComSer::kBufferSize);
        ASSERT_GE(port->nextRegister, 0);
        if (r == 2 && rng() % 2)
            port->NextPlc();
    }
    // Random frames only ever reach the station's own 16-bit register space.
    for (int reg = 65536 + 16; reg < CComSer::kRegisterCount; reg += 997)
        ASSERT_EQ(port->registers[reg], 0) << reg;
}

TEST_F(LinkTest, RandomTextTrafficKeepsTextsTerminated)
{
    OpenWith(1, 0, 15);
    std::mt19937 rng(7);
    for (int round = 0; round < 500; ++round) {
        line->Deliver(Noise(rng, rng() % 700));
        while (char* text = port->ReadText())
            ASSERT_LT(std::char_traits<char>::length(text), static_cast<std::size_t>(CComSer::kBufferSize));
    }
}
