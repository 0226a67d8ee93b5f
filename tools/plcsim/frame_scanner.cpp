#include "tools/plcsim/frame_scanner.h"

#include <algorithm>

#include "tools/plcsim/frame.h"

namespace plcsim {

void FrameScanner::Push(const std::uint8_t* data, std::size_t n)
{
    buffer_.insert(buffer_.end(), data, data + n);
}

std::optional<ScannedFrame> FrameScanner::Next()
{
    const auto start = std::find(buffer_.begin(), buffer_.end(), kStartByte);
    buffer_.erase(buffer_.begin(), start);
    if (buffer_.size() < 3)
        return std::nullopt;

    const std::size_t length = buffer_[2];
    if (length < kMinFrameLength || length > kMaxRequestLength) {
        ScannedFrame bad{ScannedFrame::Verdict::BadLength, {buffer_.begin(), buffer_.begin() + 3}};
        buffer_.erase(buffer_.begin());
        return bad;
    }
    if (buffer_.size() < length)
        return std::nullopt;

    ScannedFrame frame{ScannedFrame::Verdict::Good, {buffer_.begin(), buffer_.begin() + length}};
    if (Checksum(frame.bytes.data(), length - 1) != frame.bytes.back()) {
        frame.verdict = ScannedFrame::Verdict::BadChecksum;
        buffer_.erase(buffer_.begin());
    } else {
        buffer_.erase(buffer_.begin(), buffer_.begin() + length);
    }
    return frame;
}

}  // namespace plcsim
