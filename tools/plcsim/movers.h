// Things that change register values as time goes by, so a panel watching
// the simulated line has something to show. The owner calls Advance with
// the milliseconds since the run began, as often as it likes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "tools/plcsim/station.h"

namespace plcsim {

class Mover {
public:
    virtual ~Mover() = default;
    virtual void Advance(std::int64_t now_ms) = 0;
};

using MoverList = std::vector<std::unique_ptr<Mover>>;

// Adds step once per elapsed period. It adds to whatever the register holds,
// so a value the master writes is counted on from, not overwritten.
class CounterMover : public Mover {
public:
    CounterMover(Station& station, std::uint16_t reg, std::int32_t step, int period_ms);
    void Advance(std::int64_t now_ms) override;

private:
    Station& station_;
    const std::uint16_t reg_;
    const std::int32_t step_;
    const int period_ms_;
    std::int64_t periods_done_ = 0;
};

// Toggles one bit every period; the other bits are left to the master.
class BlinkMover : public Mover {
public:
    BlinkMover(Station& station, std::uint16_t reg, int bit, int period_ms);
    void Advance(std::int64_t now_ms) override;

private:
    Station& station_;
    const std::uint16_t reg_;
    const int bit_;
    const int period_ms_;
};

// Sets the register to a function of time, for shapes the others cannot make.
class CurveMover : public Mover {
public:
    using Curve = std::function<std::int32_t(std::int64_t now_ms)>;
    CurveMover(Station& station, std::uint16_t reg, Curve curve);
    void Advance(std::int64_t now_ms) override;

private:
    Station& station_;
    const std::uint16_t reg_;
    const Curve curve_;
};

}  // namespace plcsim
