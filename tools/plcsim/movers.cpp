#include "tools/plcsim/movers.h"

#include <stdexcept>

namespace plcsim {

CounterMover::CounterMover(Station& station, std::uint16_t reg, std::int32_t step, int period_ms)
    : station_(station), reg_(reg), step_(step), period_ms_(period_ms)
{
    if (period_ms <= 0)
        throw std::invalid_argument("counter period must be positive");
}

void CounterMover::Advance(std::int64_t now_ms)
{
    const std::int64_t periods = now_ms / period_ms_;
    if (periods <= periods_done_)
        return;
    // Unsigned arithmetic so a counter running past the top wraps instead of
    // being undefined, the way a PLC's 32-bit register would.
    const auto added = static_cast<std::uint32_t>(step_) * static_cast<std::uint32_t>(periods - periods_done_);
    periods_done_ = periods;
    station_.Update(reg_, [added](std::int32_t value) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + added);
    });
}

BlinkMover::BlinkMover(Station& station, std::uint16_t reg, int bit, int period_ms)
    : station_(station), reg_(reg), bit_(bit), period_ms_(period_ms)
{
    if (period_ms <= 0)
        throw std::invalid_argument("blink period must be positive");
    if (bit < 0 || bit > 31)
        throw std::invalid_argument("blink bit must be 0..31");
}

void BlinkMover::Advance(std::int64_t now_ms)
{
    const bool on = (now_ms / period_ms_) % 2 == 1;
    const std::uint32_t mask = 1u << bit_;
    station_.Update(reg_, [on, mask](std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(on ? bits | mask : bits & ~mask);
    });
}

CurveMover::CurveMover(Station& station, std::uint16_t reg, Curve curve)
    : station_(station), reg_(reg), curve_(std::move(curve))
{
}

void CurveMover::Advance(std::int64_t now_ms)
{
    station_.Set(reg_, curve_(now_ms));
}

}  // namespace plcsim
