// A line on the plant's broker instead of a serial port: what a gateway
// publishes of its line's passes fills the port object's image and tables,
// as the scan would, and the clients' writes are asked of the gateway.
#pragma once

#include "link/com_ser.h"
#include "platform/mqtt.h"
#include "server/remote_pass.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The port object the server hands to its clients. On a remote line their
// writes go to the gateway instead of the serial port; the image takes the
// value at once, as on a local line, until the next pass says otherwise.
class CServerPort : public CComSer {
public:
    std::function<void(int plc, int reg, std::int32_t value)> remoteWrite;
    bool Remote() const { return static_cast<bool>(remoteWrite); }
    void SetRegister(int plc, int reg, std::int32_t value) override;
    void SetRegisterBlock(int plc, int reg, const std::int32_t* values) override;
};

struct RemoteAddress {
    nimbo::MqttAddress broker;
    std::string prefix;
};

// mqtt://HOST[:PORT][/PREFIX]; without a prefix, the gateway's default for
// the COM the server names (nimbo/COMn). Nothing for anything else.
std::optional<RemoteAddress> ParseRemote(const std::string& url, int com);

// Whether the port object is fed from a broker: its PLC table is then the
// gateway's, shown and not edited.
bool OnRemoteLine(const CComSer* port);

class RemoteLine {
public:
    struct Events {
        std::function<void(int plc)> passApplied;  // its values are in the image
        std::function<void(int plc)> statusChanged;
        std::function<void()> offline;  // the gateway or the broker went
        std::function<void(const std::string& why)> refused;  // a write that was not done
    };

    // How long a write may wait in a broker before it is dropped: a command
    // held up must never arrive minutes later.
    static constexpr unsigned kWriteExpirySeconds = 5;

    RemoteLine(CServerPort& port, RemoteAddress address, Events events);
    ~RemoteLine();
    bool Start(std::string* error);
    bool Online() const { return online_; }

private:
    void Received(const nimbo::MqttMessage& m);
    void Apply(int plc, const RemotePass& pass);
    void Write(int plc, int reg, std::int32_t value);
    void WentOffline();

    CServerPort& port_;
    RemoteAddress address_;
    Events events_;
    std::string replyTopic_;
    std::unique_ptr<nimbo::MqttClient> client_;
    // The gateway's word: until it says online, what the broker kept of
    // its passes may be stale and is only held.
    bool online_ = false;
    std::map<int, RemotePass> held_;
    unsigned asked_ = 0;
};
