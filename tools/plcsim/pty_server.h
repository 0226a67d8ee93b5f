// Puts a StationSet on a pseudo-terminal so that a master program opening
// COM<n> in the devices folder talks to the simulated stations as it would
// to a serial line, replies taking the time the line would give them. One
// thread serves the line from Start until Stop.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "tools/plcsim/at_modem.h"
#include "tools/plcsim/com_claim.h"
#include "tools/plcsim/line_timing.h"
#include "tools/plcsim/station_set.h"

namespace plcsim {

class PtyServer {
public:
    // devices_dir empty: DefaultDevicesDir(). The stations must outlive the
    // server; they are fed from its thread only. With a modem, everything
    // the master sends goes through it (it must be in front of these
    // stations and outlive the server too).
    PtyServer(StationSet& stations, int com, std::string devices_dir = {}, AtModem* modem = nullptr);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Opens the terminal, makes the COM link (replacing only what a dead
    // simulator left, see ComClaim) and starts serving. Throws
    // std::system_error or std::runtime_error, leaving nothing behind.
    void Start();
    // Stops serving and removes the link; safe to call more than once.
    void Stop();

    // Before Start. Paced at the speed the master sets by default; the line
    // notes in the stations' log each speed it paces at.
    void SetTiming(const LineTiming& timing) { timing_ = timing; }

    const std::string& SlavePath() const { return slave_path_; }
    const std::string& LinkPath() const { return link_path_; }

private:
    void OpenTerminal();
    void MakeLink();
    void CloseTerminal();
    void Serve();
    int PacingSpeed();

    StationSet& stations_;
    AtModem* modem_;
    LineTiming timing_;
    std::string speed_note_;  // the last one logged, so a speed is told once
    std::string devices_dir_;
    std::string link_path_;
    std::string slave_path_;
    int master_fd_ = -1;
    // Held open so the master never sees a hang-up while no client has the
    // port open, and so the raw settings survive between clients. The
    // speed a client sets is read through it.
    int slave_fd_ = -1;
    ComClaim claim_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace plcsim
