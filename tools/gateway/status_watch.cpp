#include "tools/gateway/status_watch.h"

namespace gateway {

namespace {
// The link's PlcState values.
constexpr std::int32_t kDead = 0;
constexpr std::int32_t kOk = 1;
}  // namespace

void StatusWatch::PassClosed(int plc, std::uint32_t passStart)
{
    if (plc < 1 || plc > kPlcs)
        return;
    const int i = plc - 1;
    following_[i] = true;
    followedStart_[i] = passStart;
    closed_[i] = true;
    failed_[i] = false;
    everOk_[i] = true;
}

std::array<PlcStatus, kPlcs> StatusWatch::Read(const ScanTables& t, unsigned nowMs)
{
    const int current = t.currentPlc;
    if (current >= 1 && current <= kPlcs) {
        const int i = current - 1;
        if (following_[i] && t.passStart != followedStart_[i]) {
            if (!closed_[i])
                failed_[i] = true;
            following_[i] = false;
        }
        if (!following_[i]) {
            following_[i] = true;
            followedStart_[i] = t.passStart;
            closed_[i] = false;
        }
    }
    std::array<PlcStatus, kPlcs> now{};
    for (int i = 0; i < kPlcs; ++i) {
        if (t.enabled[i] == 0) {
            now[i] = PlcStatus::Off;
        } else if (!t.lineOpen) {
            now[i] = PlcStatus::Unknown;
        } else if (t.status[i] == kOk) {
            now[i] = PlcStatus::Ok;
            everOk_[i] = true;
        } else if (failed_[i] || (t.status[i] == kDead && (everOk_[i] || nowMs - startedAt_ >= kFirstRoundMs))) {
            now[i] = PlcStatus::Dead;
        }
    }
    return now;
}

}  // namespace gateway
