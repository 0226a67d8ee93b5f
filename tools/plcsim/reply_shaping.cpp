#include "tools/plcsim/reply_shaping.h"

#include <iterator>

#include "tools/plcsim/frame.h"

namespace plcsim {

std::vector<std::uint8_t> ShapeReply(const Faults& faults, std::vector<std::uint8_t> frame,
                                     ReplyKind kind)
{
    if (faults.wrong_station) {
        frame[1] = static_cast<std::uint8_t>(frame[1] + 1);
        // A wrong station with a right checksum is the realistic case: the
        // master must reject it on the station byte alone.
        frame.back() = Checksum(frame.data(), frame.size() - 1);
    }
    if (faults.bad_checksum)
        frame.back() = static_cast<std::uint8_t>(frame.back() + 1);

    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size(kGarbageBytes) + 1 + frame.size());
    if (faults.garbage)
        bytes.insert(bytes.end(), std::begin(kGarbageBytes), std::end(kGarbageBytes));
    const bool lead_zero =
        kind == ReplyKind::Block ? !faults.no_leading_zero : faults.zero_before_write;
    if (lead_zero)
        bytes.push_back(0x00);
    bytes.insert(bytes.end(), frame.begin(), frame.end());
    if (faults.truncated)
        bytes.resize(bytes.size() / 2);
    return bytes;
}

}  // namespace plcsim
