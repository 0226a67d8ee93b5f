#include "tools/plcsim/line_pacer.h"

#include <algorithm>

namespace plcsim {

namespace {

using Nanoseconds = std::chrono::nanoseconds;

constexpr long long kBitsPerByte = 10;
constexpr long long kNanosecondsPerSecond = 1'000'000'000;

// Time on the wire for the first n bytes, worked out from n each time so
// that rounding never adds up over a long reply. Rounded up, so that a byte
// is due exactly when Due counts it.
Nanoseconds WireTime(std::size_t n, int bits_per_second)
{
    if (bits_per_second <= 0)
        return Nanoseconds::zero();
    const long long bits_ns = static_cast<long long>(n) * kBitsPerByte * kNanosecondsPerSecond;
    return Nanoseconds((bits_ns + bits_per_second - 1) / bits_per_second);
}

}  // namespace

LinePacer::LinePacer(Clock::duration turnaround) : turnaround_(turnaround) {}

void LinePacer::Queue(Clock::time_point request_end, Reply reply, int bits_per_second)
{
    if (reply.bytes.empty())
        return;
    const auto start =
        std::max(request_end + turnaround_ + std::chrono::milliseconds(reply.delay_ms), line_free_);
    line_free_ = start + WireTime(reply.bytes.size(), bits_per_second);
    queue_.push_back({start, bits_per_second, std::move(reply.bytes)});
}

LinePacer::Clock::time_point LinePacer::NextDue() const
{
    const Outgoing& out = queue_.front();
    // A byte is there once its stop bit is.
    return out.start + WireTime(out.sent + 1, out.bits_per_second);
}

std::span<const std::uint8_t> LinePacer::Due(Clock::time_point now) const
{
    if (queue_.empty() || now < queue_.front().start)
        return {};
    const Outgoing& out = queue_.front();
    std::size_t due = out.bytes.size();
    if (out.bits_per_second > 0 && now < out.start + WireTime(due, out.bits_per_second)) {
        // Within the reply's wire time, so the product stays far from overflowing.
        const auto elapsed = std::chrono::duration_cast<Nanoseconds>(now - out.start).count();
        due = static_cast<std::size_t>(elapsed * out.bits_per_second / (kBitsPerByte * kNanosecondsPerSecond));
    }
    return std::span<const std::uint8_t>(out.bytes).subspan(out.sent, std::max(due, out.sent) - out.sent);
}

void LinePacer::Sent(std::size_t n)
{
    Outgoing& out = queue_.front();
    out.sent = std::min(out.sent + n, out.bytes.size());
    if (out.sent == out.bytes.size())
        queue_.pop_front();
}

}  // namespace plcsim
