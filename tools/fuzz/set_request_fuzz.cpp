// A write asked over MQTT: the topic and the payload come from anyone who
// may publish on the broker. The input is split at its first NUL into topic
// and payload (its first byte, odd, makes it retained). Whatever they hold:
// no crash, and a request let through names a writable register of a PLC
// in range, with a value that reads back as the payload's integer.
#include "tools/gateway/set_request.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
const std::vector<gateway::RegisterRange> kWritable{{1, 0, 31999}, {7, 300, 347}, {32, 31999, 31999}};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool retained = (data[0] & 1) != 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t nul = rest.find('\0');
    const std::string_view topic = rest.substr(0, nul);
    const std::string_view payload = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    const auto v = gateway::JudgeSetRequest("nimbo/COM1", topic, payload, retained, kWritable);
    if (v.refusal != gateway::Refusal::None)
        return 0;
    bool writable = false;
    for (const auto& r : kWritable)
        writable = writable || r.Holds(v.request.plc, v.request.reg);
    const auto again = gateway::ParseDecimal32(payload);
    if (retained || !writable || !again || *again != v.request.value || payload.size() > gateway::kLongestPayload)
        std::abort();
    return 0;
}
