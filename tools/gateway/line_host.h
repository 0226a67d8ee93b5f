// The line the gateway publishes: the kit's own server control, made from
// a form's declaration or from the command line, running with no window
// shown. A window of our own registers with it as a client would, so the
// gateway hears of each completed pass exactly when the panels do.
#pragma once

#include "tools/gateway/gateway_options.h"
#include "tools/gateway/line_publisher.h"
#include "tools/gateway/status_watch.h"

#include "platform/variant.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CComSer;
class COleControl;
namespace nimbo {
class Form;
}

namespace gateway {

class LineTap;

class LineHost {
public:
    struct Handlers {
        std::function<void(int plc)> passClosed;  // the pass's values are in the port's image
        std::function<void(unsigned id)> timer;
    };

    LineHost();
    ~LineHost();

    // Builds the server from the options, stopped. False with the reason.
    bool Open(const GatewayOptions& options, Handlers handlers, std::string* error);
    // Opens the port and starts the scan (reply-driven when asked); false
    // with the reason when the port cannot be opened.
    bool Start(bool fast, std::string* error);
    // Stops the scan and closes the port.
    void Stop();

    int Com() const;
    CComSer& Port() { return *port_; }
    bool LineOpen() const;
    // Each PLC's status as the scan's tables tell it now.
    std::array<PlcStatus, kPlcs> Statuses(unsigned nowMs);
    // The registers the form's buttons write, one range each.
    std::vector<RegisterRange> ButtonRegisters() const;
    // Runs `Handlers::timer` with `id` every `ms`.
    void SetTimer(unsigned id, unsigned ms);

private:
    bool Put(const char* member, const Variant& value, std::string* error);

    std::unique_ptr<nimbo::Form> form_;
    COleControl* server_ = nullptr;
    std::string serverName_;
    CComSer* port_ = nullptr;
    std::unique_ptr<LineTap> tap_;
    StatusWatch statuses_;
};

}  // namespace gateway
