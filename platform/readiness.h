// Descriptors served by the event loop: a socket or a line is read or
// written when it can be without waiting, on the same thread as the
// windows and their timers, so a program needs no thread of its own for it.
#pragma once

#include "platform/export.h"

#include <functional>
#include <memory>

namespace nimbo {

enum class Readiness { Read, Write };

// While it lives and is enabled, `ready` runs from the event loop whenever
// the descriptor can be read (or written) without blocking. It runs again
// at the next turn of the loop as long as the descriptor stays ready, so a
// handler that does not drain it is called again. The watch may be
// destroyed or disabled from inside its own handler.
class NIMBO_PLATFORM_API DescriptorWatch {
public:
    DescriptorWatch(int descriptor, Readiness kind, std::function<void()> ready);
    ~DescriptorWatch();
    DescriptorWatch(const DescriptorWatch&) = delete;
    DescriptorWatch& operator=(const DescriptorWatch&) = delete;

    int Descriptor() const;
    bool Enabled() const;
    void SetEnabled(bool enabled);

private:
    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace nimbo
