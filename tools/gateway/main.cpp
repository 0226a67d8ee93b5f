// nimbo-gateway: one line's PLCs on the plant's MQTT broker. The kit's
// server scans the line with no window shown; every completed pass is
// published, and writes the plant asks for reach the line only where they
// were allowed. The broker's socket, the line and the timers share one
// event loop and one thread.
#include "link/com_ser.h"
#include "platform/clock.h"
#include "platform/mqtt.h"
#include "platform/readiness.h"
#include "platform/winuser.h"
#include "tools/gateway/gateway_options.h"
#include "tools/gateway/line_host.h"
#include "tools/gateway/line_publisher.h"
#include "tools/common/password_file.h"
#include "tools/gateway/set_request.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

enum Exit { kOk = 0, kCannotRun = 1, kBadArguments = 2 };

constexpr unsigned kStatusTimer = 1;
constexpr unsigned kStatsTimer = 2;
constexpr unsigned kStatusPeriodMs = 100;
constexpr unsigned kStatsPeriodMs = 5000;
// How long the last words (offline) may take to leave on a stop.
constexpr int kLastWordsMs = 500;

int g_stopPipe[2] = {-1, -1};

void RequestStop(int)
{
    const char byte = 1;
    // Nothing to do about a full pipe: a stop is already on its way.
    [[maybe_unused]] const ssize_t n = write(g_stopPipe[1], &byte, 1);
}

void Log(const std::string& text)
{
    std::fprintf(stderr, "nimbo-gateway: %s\n", text.c_str());
    std::fflush(stderr);
}

class Gateway {
public:
    Gateway(const gateway::GatewayOptions& options, std::string password)
        : options_(options), password_(std::move(password))
    {
    }

    int Run()
    {
        std::string error;
        gateway::LineHost::Handlers lineHandlers{[this](int plc) { PassClosed(plc); },
                                                 [this](unsigned id) { Timer(id); }};
        if (!line_.Open(options_, lineHandlers, &error)) {
            Log(error);
            return kCannotRun;
        }
        const std::string prefix = options_.prefix.empty() ? "nimbo/COM" + std::to_string(line_.Com()) : options_.prefix;
        publisher_ = std::make_unique<gateway::LinePublisher>(prefix);
        writable_ = options_.writable;
        if (options_.writableFromForm)
            for (const gateway::RegisterRange& r : line_.ButtonRegisters())
                writable_.push_back(r);

        if (!line_.Start(options_.fast, &error)) {
            Log(error);
            return kCannotRun;
        }
        Log("COM" + std::to_string(line_.Com()) + " scanning, published as " + prefix + " on " +
            options_.broker.host + ":" + std::to_string(options_.broker.port));

        nimbo::MqttSettings settings{options_.broker,
                                     "nimbo-gateway-" + std::to_string(getpid()) + "-" + prefix,
                                     options_.user,
                                     password_,
                                     options_.cafile,
                                     publisher_->StateMessage(false),
                                     {prefix + "/plc/+/reg/+/set"}};
        broker_ = std::make_unique<nimbo::MqttClient>(
            settings, nimbo::MqttClient::Handlers{[this] { Publish(publisher_->Reconnected()); }, nullptr,
                                                  [this](const nimbo::MqttMessage& in) { Asked(in); }, Log});
        if (!broker_->Start(&error)) {
            Log(error);
            line_.Stop();
            return kCannotRun;
        }
        line_.SetTimer(kStatusTimer, kStatusPeriodMs);
        line_.SetTimer(kStatsTimer, kStatsPeriodMs);

        nimbo::DescriptorWatch stop(g_stopPipe[0], nimbo::Readiness::Read, [] { nimbo::QuitEventLoop(0); });
        nimbo::RunEventLoop(-1);

        Log("stopping");
        const gateway::Message offline = publisher_->StateMessage(false);
        broker_->Stop(&offline, kLastWordsMs);
        line_.Stop();
        return kOk;
    }

private:
    void Publish(const std::vector<gateway::Message>& messages)
    {
        for (const gateway::Message& m : messages)
            broker_->Publish(m);
    }

    void PassClosed(int plc)
    {
        if (plc < 1 || plc > gateway::kPlcs || !publisher_ || !broker_)
            return;
        CComSer& port = line_.Port();
        gateway::Pass pass;
        // The range as the tables hold it, kept inside the image.
        const int first = std::max(0, port.plcStart[plc - 1]);
        const int last = std::min(CComSer::kRegisterCount - 1, port.plcStop[plc - 1]);
        pass.first = first;
        const std::int32_t* image = port.GetRegisters();
        if (first <= last)
            pass.values.assign(image + first, image + last + 1);
        pass.passMs = port.plcScanTime[plc - 1];
        pass.lastSeen = port.plcLastSeen[plc - 1];
        Publish(publisher_->PassClosed(plc, std::move(pass), broker_->Connected()));
        Publish(publisher_->Statuses(line_.Statuses(GetTickCount()), broker_->Connected()));
    }

    void Timer(unsigned id)
    {
        if (!broker_)
            return;
        if (id == kStatusTimer) {
            Publish(publisher_->Statuses(line_.Statuses(GetTickCount()), broker_->Connected()));
        } else if (id == kStatsTimer) {
            broker_->Publish(publisher_->StatsMessage());
        }
    }

    void Asked(const nimbo::MqttMessage& in)
    {
        const auto verdict = gateway::JudgeSetRequest(publisher_->Prefix(), in.topic, in.payload, in.retain, writable_);
        std::string refusal = gateway::RefusalText(verdict.refusal);
        if (verdict.refusal == gateway::Refusal::None && !line_.LineOpen())
            refusal = "line not open";
        if (!refusal.empty()) {
            ++publisher_->Count().refused;
            // Once per cause: a flood of bad requests must not flood the log.
            if (logged_.insert(refusal).second)
                Log("refused " + in.topic + ": " + refusal + " (further refusals for this cause are counted, not logged)");
            broker_->Respond(in, "refused: " + refusal);
            return;
        }
        const gateway::SetRequest& r = verdict.request;
        line_.Port().SetRegister(r.plc, r.reg, r.value);
        ++publisher_->Count().writes;
        broker_->Respond(in, "done " + std::to_string(r.value));
    }

    const gateway::GatewayOptions& options_;
    std::string password_;
    gateway::LineHost line_;
    std::unique_ptr<gateway::LinePublisher> publisher_;
    std::unique_ptr<nimbo::MqttClient> broker_;
    std::vector<gateway::RegisterRange> writable_;
    std::set<std::string> logged_;
};

}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto options = gateway::ParseGatewayOptions({argv + 1, argv + argc}, &error);
    if (!options) {
        std::fprintf(stderr, "nimbo-gateway: %s\n%s", error.c_str(), gateway::kGatewayUsage);
        return kBadArguments;
    }
    if (options->help) {
        std::fputs(gateway::kGatewayUsage, stdout);
        return kOk;
    }
    std::string password;
    if (!options->passwordFile.empty()) {
        const auto read = tools::ReadPasswordFile(options->passwordFile, &error);
        if (!read) {
            Log(error);
            return kBadArguments;
        }
        password = *read;
    }
    // A service: nothing is ever shown, whatever display there is.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        Log("cannot make the stop pipe");
        return kCannotRun;
    }
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return Gateway(*options, password).Run();
}
