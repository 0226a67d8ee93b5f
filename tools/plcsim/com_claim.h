// Who serves COM<n> in the devices folder. A running simulator holds an
// flock on a record beside its link (COM<n>.plcsim: pid and pty), so a
// record whose lock is free was left by one that died, however its pid has
// been reused since; only such a leftover link is ever removed.
#pragma once

#include <string>

namespace plcsim {

class ComClaim {
public:
    ComClaim() = default;
    ~ComClaim();
    ComClaim(const ComClaim&) = delete;
    ComClaim& operator=(const ComClaim&) = delete;

    // Links link_path to pty_path and holds the record until Release.
    // Refuses (std::runtime_error) a name a live simulator holds and any
    // entry that is not a dead simulator's link to its pty; throws
    // std::system_error when the folder cannot be used. Leaves nothing
    // behind when it throws.
    void Take(const std::string& link_path, const std::string& pty_path);
    // Removes the link if it still points at our pty, then the record, and
    // lets go of the lock; safe to call more than once.
    void Release();

    static std::string RecordPath(const std::string& link_path) { return link_path + ".plcsim"; }

private:
    std::string link_path_;
    std::string pty_path_;
    int record_fd_ = -1;
};

}  // namespace plcsim
