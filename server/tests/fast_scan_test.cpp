// The reply-driven scan (FastScan) beside the timer's, tick by tick on a
// memory line: with no descriptor to watch, each tick takes in the reply
// and sends the next request, which is the same path the line's watch takes.
#include "server/tests/server_fixture.h"

using plcsim::RequestKind;

namespace {

enum class Scan { Timer, Fast };

class FastScanTest : public ServerTest {
protected:
    void Go(Scan scan)
    {
        Put(DISPID_NIMBO_FASTSCAN, Variant::Bool(scan == Scan::Fast));
        Put(DISPID_NIMBO_GO, Variant::Bool(true));
    }
    // More than once: which PLC a scan starts with differs, what follows does not.
    bool KeepsClosing(int plc) const { return std::count(onPlc.begin(), onPlc.end(), plc) >= 2; }
};

struct FaultCase {
    const char* name;
    plcsim::Faults faults;  // on PLC 1, on every reply; PLC 2 answers well
    bool firstCloses;
    bool secondCloses;  // a PLC that answers with a spoilt reply is asked again and keeps the line
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

plcsim::Faults With(bool plcsim::Faults::*fault)
{
    plcsim::Faults f;
    f.*fault = true;
    return f;
}

class FaultByScanTest : public FastScanTest, public ::testing::WithParamInterface<std::tuple<FaultCase, Scan>> {};

// Both scans come to the same: what a station did not hold is never applied,
// and which PLCs complete their passes is the same.
TEST_P(FaultByScanTest, FaultsAreHandledAlike)
{
    const auto& [c, scan] = GetParam();
    stations.Add(1, c.faults);
    stations.Add(2);
    for (int r = 0; r < 32; ++r) {
        stations.Find(1)->Set(r, 1000 + r);
        stations.Find(2)->Set(100 + r, 2000 + r);
    }
    Enable(1, 0, 31);
    Enable(2, 100, 131);
    Go(scan);
    Tick(40);
    EXPECT_EQ(KeepsClosing(1), c.firstCloses);
    EXPECT_EQ(KeepsClosing(2), c.secondCloses);
    for (int r = 0; r < 32; ++r) {
        const std::int32_t one = server->comSer.registers[r];
        EXPECT_TRUE(one == 0 || one == 1000 + r) << r;
        if (c.secondCloses) {
            EXPECT_EQ(server->comSer.registers[100 + r], 2000 + r) << r;
        }
    }
    if (!c.firstCloses) {
        EXPECT_EQ(server->comSer.plcLastSeen[0], 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultByScanTest,
    ::testing::Combine(::testing::Values(FaultCase{"none", {}, true, true},
                                         FaultCase{"silent", With(&plcsim::Faults::silent), false, true},
                                         FaultCase{"badsum", With(&plcsim::Faults::bad_checksum), false, false},
                                         FaultCase{"wrongstation", With(&plcsim::Faults::wrong_station), false, false},
                                         FaultCase{"truncated", With(&plcsim::Faults::truncated), false, true},
                                         FaultCase{"garbage", With(&plcsim::Faults::garbage), true, true}),
                       ::testing::Values(Scan::Timer, Scan::Fast)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) == Scan::Fast ? "Fast" : "Timer");
    });

// The write waits for the block under way and goes out before the next.
TEST_F(FastScanTest, AButtonsWriteGoesBetweenTwoBlocks)
{
    stations.Add(1);
    Enable(1, 0, 31);
    Go(Scan::Fast);
    ASSERT_EQ(stations.Log().Entries().size(), 1u) << "the first block is asked at once";
    const std::size_t written = line->written.size();
    Put(DISPID_NIMBO_REG, Variant::Long(0x50), {Variant::Long(1), Variant::Long(10)});
    EXPECT_EQ(line->written.size(), written) << "nothing cuts into the exchange";
    const std::int32_t time = server->iconTime;
    Tick();
    EXPECT_NE(server->iconTime, time) << "the tick still animates the face";
    auto log = stations.Log().Entries();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].kind, RequestKind::WriteRegister);
    EXPECT_EQ(stations.Find(1)->Get(10), 0x50);
    Tick();
    log = stations.Log().Entries();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[2].kind, RequestKind::ReadBlock);
    EXPECT_EQ(log[2].reg, 16) << "the scan goes on where it was";
    EXPECT_EQ(server->comSer.registers[10], 0x50);
}

TEST_F(FastScanTest, SwitchingWhileScanningTakesEffectAtTheNextBlock)
{
    stations.Add(1);
    Enable(1, 0, 31);
    Go(Scan::Timer);
    Tick(3);
    Put(DISPID_NIMBO_FASTSCAN, Variant::Bool(true));
    EXPECT_FALSE(server->fastScanning);
    std::size_t asked = Received(RequestKind::ReadBlock).size();
    Tick();
    EXPECT_TRUE(server->fastScanning);
    EXPECT_EQ(Received(RequestKind::ReadBlock).size(), asked + 1) << "the awaited block in, the next asked";
    const DWORD slept = clock.TotalSlept();
    std::size_t passes = onPlc.size();
    Tick(4);
    EXPECT_GT(onPlc.size(), passes);
    EXPECT_EQ(clock.TotalSlept(), slept) << "no pause after a request";

    Put(DISPID_NIMBO_FASTSCAN, Variant::Bool(false));
    EXPECT_TRUE(server->fastScanning) << "until the block under way is in";
    asked = Received(RequestKind::ReadBlock).size();
    Tick();
    EXPECT_FALSE(server->fastScanning);
    EXPECT_EQ(server->comSer.replyDriven, 0);
    EXPECT_EQ(Received(RequestKind::ReadBlock).size(), asked + 1);
    passes = onPlc.size();
    Tick(6);
    EXPECT_GT(onPlc.size(), passes) << "the timer scan goes on";
    EXPECT_GT(clock.TotalSlept(), slept) << "with its pauses";
}

}  // namespace
