// A server control on a memory line answered by simulated stations, with a
// virtual clock: ticks are driven by hand and cost nothing.
#pragma once

#include "link/client_info.h"
#include "platform/clock.h"
#include "platform/serial_memory.h"
#include "platform/winuser.h"
#include "platform/dialog.h"
#include "server/nimbo_ctrl.h"
#include "tools/plcsim/station_set.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// A window that stands in for a client control: it publishes an identity
// record (unless told not to) and notes every notification it receives.
class RecordingClient : public CWnd {
public:
    explicit RecordingClient(int plc, bool withRecord = true) : plc_(plc), withRecord_(withRecord)
    {
        info.signature = CLIENT_SIGNATURE;
        info.typeName = "Test client";
        RECT r{0, 0, 10, 10};
        CreateWindowed(0, r, "client");
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE && withRecord_)
            SetWindowLongA(m_hWnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&info));
        if (message == WM_PLC_DATA) {
            data.push_back(static_cast<int>(wParam));
            port = reinterpret_cast<CComSer*>(lParam);
            return static_cast<int>(wParam) == plc_ ? 1 : 0;
        }
        if (message == WM_PLC_OFFLINE) {
            ++offline;
            return 1;
        }
        return DefWindowProc(message, wParam, lParam);
    }

    CClientInfo info;
    std::vector<int> data;  // PLC numbers of the data messages received
    int offline = 0;
    CComSer* port = nullptr;

private:
    int plc_;
    bool withRecord_;
};

class ServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nimbo::SetTickSource(&clock);
        line = std::make_shared<nimbo::MemoryLine>();
        line->responder = [this](const BYTE* bytes, DWORD count) {
            std::vector<BYTE> out;
            for (const auto& reply : stations.Feed(bytes, count))
                out.insert(out.end(), reply.bytes.begin(), reply.bytes.end());
            return out;
        };
        nimbo::UseMemoryLines({{"COM1", line}});
        server = std::make_unique<CNimboCtrl>();
        server->ResetProperties();
        server->SetEventSink([this](DISPID id, const std::string& name, const DispArgs& args) {
            if (name == "OnPlc")
                onPlc.push_back(args.at(0).AsLong());
        });
        ASSERT_TRUE(server->CreateControlWindow(0, 0, 0));
    }
    void TearDown() override
    {
        server.reset();
        nimbo::SetSerialOpener({});
        nimbo::SetTickSource(nullptr);
    }

    void Enable(int plc, int first, int last)
    {
        Put(DISPID_NIMBO_PLCENABLED1 + plc - 1, Variant::Long(1));
        Put(DISPID_NIMBO_PLCSTART1 + plc - 1, Variant::Long(first));
        Put(DISPID_NIMBO_PLCSTOP1 + plc - 1, Variant::Long(last));
    }
    HRESULT Put(DISPID id, const Variant& v, const DispArgs& args = {})
    {
        return server->PutProperty(id, args, v);
    }
    Variant Get(DISPID id, const DispArgs& args = {})
    {
        Variant v;
        EXPECT_EQ(server->GetProperty(id, args, &v), S_OK) << id;
        return v;
    }
    void Tick(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            clock.Advance(server->comSer.timerInterval);
            SendMessageA(server->m_hWnd, WM_TIMER, kScanTimer, 0);
        }
    }
    // Requests the stations received, of one kind.
    std::vector<plcsim::LogEntry> Received(plcsim::RequestKind kind)
    {
        std::vector<plcsim::LogEntry> out;
        for (const auto& e : stations.Log().Entries())
            if (e.kind == kind)
                out.push_back(e);
        return out;
    }

    nimbo::VirtualClock clock;
    std::shared_ptr<nimbo::MemoryLine> line;
    plcsim::StationSet stations;
    std::unique_ptr<CNimboCtrl> server;
    std::vector<int> onPlc;
};
