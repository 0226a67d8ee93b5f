// A pass as a panel on a remote line reads it from the broker: anyone who
// may publish there writes these bytes. Whatever they hold: no crash, and a
// pass let through fits the image and says when it was seen as a real time.
#include "server/remote_pass.h"
#include "link/com_ser.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pass = ParseRemotePass(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!pass)
        return 0;
    const bool fits = pass->first >= 0 && pass->first < CComSer::kRegisterCount &&
                      pass->values.size() <= static_cast<std::size_t>(CComSer::kRegisterCount - pass->first);
    const int h = pass->seen >> 16, m = (pass->seen >> 8) & 0xFF, s = pass->seen & 0xFF;
    if (!fits || h > 23 || m > 59 || s > 59)
        std::abort();
    return 0;
}
