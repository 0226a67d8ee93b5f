// A serial line held in memory, for tests that drive the port object without
// a device: what the host writes is recorded (and may be answered at once by
// a responder), what the test queues is what the host reads.
#pragma once

#include "platform/export.h"
#include "platform/serial_device.h"

#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace nimbo {

struct NIMBO_PLATFORM_API MemoryLine {
    std::vector<BYTE> written;      // everything the host sent, in order
    std::deque<BYTE> toHost;        // bytes the host will read
    DCB lastSettings{};
    int opens = 0;
    int purges = 0;
    bool isOpen = false;
    // Called with each block the host writes; what it returns is queued for the host.
    std::function<std::vector<BYTE>(const BYTE* data, DWORD count)> responder;

    void Deliver(const std::vector<BYTE>& bytes) { toHost.insert(toHost.end(), bytes.begin(), bytes.end()); }
};

// Installs an opener that serves the given names ("COM1", ...) from memory
// lines and refuses every other name as a missing device. A name already
// open is refused as busy, as a real line would be.
NIMBO_PLATFORM_API void UseMemoryLines(const std::vector<std::pair<std::string, std::shared_ptr<MemoryLine>>>& lines);

}  // namespace nimbo
