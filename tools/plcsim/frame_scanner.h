// Cuts a raw line byte stream into candidate frames. Reads from the line can
// split a frame anywhere or start in the middle of one, so partial frames
// are kept across pushes and a bad candidate costs only its first byte:
// the scan restarts at the next 0xFF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace plcsim {

struct ScannedFrame {
    enum class Verdict { Good, BadLength, BadChecksum };
    Verdict verdict = Verdict::Good;
    // The whole frame; for a bad length only the three header bytes seen.
    std::vector<std::uint8_t> bytes;
};

class FrameScanner {
public:
    void Push(const std::uint8_t* data, std::size_t n);
    // The next candidate, or nothing until more bytes arrive.
    std::optional<ScannedFrame> Next();
    std::size_t Buffered() const { return buffer_.size(); }

private:
    std::vector<std::uint8_t> buffer_;
};

}  // namespace plcsim
