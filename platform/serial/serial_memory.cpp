#include "platform/serial_memory.h"

#include <algorithm>
#include <cstring>

namespace {

class MemorySerialDevice final : public nimbo::SerialDevice {
public:
    explicit MemorySerialDevice(std::shared_ptr<nimbo::MemoryLine> line) : line_(std::move(line))
    {
        line_->isOpen = true;
        line_->opens += 1;
    }
    ~MemorySerialDevice() override { line_->isOpen = false; }

    bool Configure(const DCB& dcb) override
    {
        line_->lastSettings = dcb;
        return true;
    }
    void SetWriteTimeout(DWORD) override {}
    void Purge(DWORD flags) override
    {
        line_->purges += 1;
        if (flags & (PURGE_RXABORT | PURGE_RXCLEAR))
            line_->toHost.clear();
    }
    DWORD Available() override { return static_cast<DWORD>(line_->toHost.size()); }
    DWORD Read(void* data, DWORD count) override
    {
        DWORD n = std::min<DWORD>(count, static_cast<DWORD>(line_->toHost.size()));
        auto* out = static_cast<BYTE*>(data);
        for (DWORD i = 0; i < n; ++i) {
            out[i] = line_->toHost.front();
            line_->toHost.pop_front();
        }
        return n;
    }
    DWORD Write(const void* data, DWORD count) override
    {
        const auto* bytes = static_cast<const BYTE*>(data);
        line_->written.insert(line_->written.end(), bytes, bytes + count);
        if (line_->responder)
            line_->Deliver(line_->responder(bytes, count));
        return count;
    }

private:
    std::shared_ptr<nimbo::MemoryLine> line_;
};

}  // namespace

void nimbo::UseMemoryLines(const std::vector<std::pair<std::string, std::shared_ptr<MemoryLine>>>& lines)
{
    SetSerialOpener([lines](const std::string& name, DWORD* error,
                            std::string* reason) -> std::unique_ptr<SerialDevice> {
        for (const auto& [lineName, line] : lines) {
            if (lineName != name)
                continue;
            if (line->isOpen) {
                *error = ERROR_SHARING_VIOLATION;
                *reason = name + ": busy, another program holds the line";
                return nullptr;
            }
            return std::make_unique<MemorySerialDevice>(line);
        }
        *error = ERROR_FILE_NOT_FOUND;
        *reason = name + ": no such device";
        return nullptr;
    });
}
