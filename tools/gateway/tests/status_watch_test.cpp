#include "tools/gateway/status_watch.h"

#include <gtest/gtest.h>

namespace gateway {
namespace {

constexpr std::int32_t kDead = 0, kOk = 1, kInUse = 2;

struct Line {
    std::int32_t enabled[kPlcs] = {1, 1};
    std::int32_t status[kPlcs] = {kInUse, kDead};
    ScanTables At(int plc, std::uint32_t start) { return {enabled, status, plc, start, true}; }
};

TEST(StatusWatch, ALonePlcWhosePassesGiveWayWithoutClosingIsDeadUntilOneCloses)
{
    Line line;
    line.enabled[1] = 0;
    StatusWatch w;
    w.Started(0);
    EXPECT_EQ(w.Read(line.At(1, 100), 10)[0], PlcStatus::Unknown);
    EXPECT_EQ(w.Read(line.At(1, 100), 20)[0], PlcStatus::Unknown);  // the same pass, still under way
    EXPECT_EQ(w.Read(line.At(1, 160), 30)[0], PlcStatus::Dead);     // another began: the first failed
    EXPECT_EQ(w.Read(line.At(1, 160), 30)[1], PlcStatus::Off);
    w.PassClosed(1, 160);
    line.status[0] = kInUse;
    EXPECT_EQ(w.Read(line.At(1, 230), 40)[0], PlcStatus::Unknown);  // under way again after a good one
    line.status[0] = kOk;
    EXPECT_EQ(w.Read(line.At(1, 230), 50)[0], PlcStatus::Ok);
}

TEST(StatusWatch, ATablesDeadCountsOnceTheScanHadTimeToAsk)
{
    Line line;
    StatusWatch w;
    w.Started(1000);
    EXPECT_EQ(w.Read(line.At(1, 1), 1000 + StatusWatch::kFirstRoundMs - 1)[1], PlcStatus::Unknown);
    EXPECT_EQ(w.Read(line.At(1, 1), 1000 + StatusWatch::kFirstRoundMs)[1], PlcStatus::Dead);
    line.status[1] = kOk;
    EXPECT_EQ(w.Read(line.At(1, 1), 5000)[1], PlcStatus::Ok);
    EXPECT_EQ(w.Read({line.enabled, line.status, 1, 1, false}, 5000)[1], PlcStatus::Unknown);  // no line, no word
}

}  // namespace
}  // namespace gateway
