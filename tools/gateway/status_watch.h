// Each PLC's ok, dead or off, from the scan's tables read now and then.
// The tables alone do not tell it: a PLC whose pass failed is marked not
// answering only until the scan asks it again, which with one PLC on the
// line is at once. So the passes are followed too: one that began and gave
// way to another without closing was not answered.
#pragma once

#include "tools/gateway/line_publisher.h"

#include <array>
#include <cstdint>

namespace gateway {

struct ScanTables {
    const std::int32_t* enabled;  // kPlcs entries each
    const std::int32_t* status;   // as the link's PlcState
    int currentPlc;
    std::uint32_t passStart;      // when the current PLC's pass began
    bool lineOpen;
};

class StatusWatch {
public:
    // A PLC that never answered counts as dead only once the scan had time
    // to ask it; the tables say "not answering" before anything was asked.
    static constexpr unsigned kFirstRoundMs = 3000;

    void Started(unsigned nowMs) { startedAt_ = nowMs; }
    // The pass of `plc` that began at `passStart` closed.
    void PassClosed(int plc, std::uint32_t passStart);
    // Unknown where nothing can be said yet, or the PLC's pass is under way
    // and nothing changed.
    std::array<PlcStatus, kPlcs> Read(const ScanTables& tables, unsigned nowMs);

private:
    std::array<bool, kPlcs> everOk_{};
    std::array<bool, kPlcs> failed_{};
    std::array<bool, kPlcs> following_{};
    std::array<bool, kPlcs> closed_{};
    std::array<std::uint32_t, kPlcs> followedStart_{};
    unsigned startedAt_ = 0;
};

}  // namespace gateway
