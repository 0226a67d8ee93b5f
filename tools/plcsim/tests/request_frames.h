// Request frames as the master would send them, and the reply bytes a
// station should answer with, for the tests of the simulator.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tools/plcsim/frame.h"
#include "tools/plcsim/station_set.h"

namespace plcsim::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBlockRequest(std::uint8_t station, std::uint16_t reg)
{
    Bytes data;
    PutRegister(data, reg);
    return BuildFrame(station, kReadBlock, data);
}

inline Bytes WriteRequest(std::uint8_t station, std::uint16_t reg, std::int32_t value)
{
    Bytes data;
    PutRegister(data, reg);
    PutValue(data, value);
    return BuildFrame(station, kWriteRegister, data);
}

inline Bytes WriteBlockRequest(std::uint8_t station, std::uint16_t reg,
                               const std::vector<std::int32_t>& values)
{
    Bytes data;
    PutRegister(data, reg);
    for (std::int32_t v : values)
        PutValue(data, v);
    return BuildFrame(station, kWriteBlock, data);
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Everything the set would put on the line for these bytes, delays aside.
inline Bytes FeedAll(StationSet& set, const Bytes& bytes)
{
    Bytes out;
    for (const Reply& reply : set.Feed(bytes.data(), bytes.size()))
        out.insert(out.end(), reply.bytes.begin(), reply.bytes.end());
    return out;
}

}  // namespace plcsim::test
