#include "tools/plcsim/frame.h"

namespace plcsim {

std::uint8_t Checksum(const std::uint8_t* bytes, std::size_t n)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>(sum);
}

std::vector<std::uint8_t> BuildFrame(std::uint8_t station, std::uint8_t command,
                                     std::span<const std::uint8_t> data)
{
    std::vector<std::uint8_t> frame;
    frame.reserve(data.size() + kMinFrameLength);
    frame.push_back(kStartByte);
    frame.push_back(station);
    frame.push_back(static_cast<std::uint8_t>(data.size() + kMinFrameLength));
    frame.push_back(command);
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(Checksum(frame.data(), frame.size()));
    return frame;
}

void PutRegister(std::vector<std::uint8_t>& out, std::uint16_t reg)
{
    out.push_back(static_cast<std::uint8_t>(reg >> 8));
    out.push_back(static_cast<std::uint8_t>(reg));
}

void PutValue(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint16_t GetRegister(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
}

std::int32_t GetValue(const std::uint8_t* bytes)
{
    const std::uint32_t v = std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
                            std::uint32_t{bytes[2]} << 8 | bytes[3];
    return static_cast<std::int32_t>(v);
}

}  // namespace plcsim
