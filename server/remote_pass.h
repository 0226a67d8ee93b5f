// The pass a gateway publishes for each PLC, as a panel on a remote line
// reads it from the broker: anyone who may publish there writes these
// bytes, so nothing is taken that does not fit the image whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A pass as the gateway publishes it:
// {"first":300,"values":[1,2,3],"ms":120,"seen":"14:02:11"}
struct RemotePass {
    int first = 0;
    std::vector<std::int32_t> values;
    std::uint32_t ms = 0;
    std::int32_t seen = 0;  // hours * 65536 + minutes * 256 + seconds
};
// Nothing for anything malformed, or a range that leaves the image.
std::optional<RemotePass> ParseRemotePass(std::string_view json);
