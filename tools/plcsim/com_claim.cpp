#include "tools/plcsim/com_claim.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace plcsim {

namespace {

[[noreturn]] void ThrowErrno(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

struct Record {
    long pid = 0;
    std::string pty;
};

Record ReadRecord(int fd)
{
    char text[PATH_MAX + 32];
    const ssize_t n = pread(fd, text, sizeof text - 1, 0);
    Record record;
    if (n > 0) {
        std::istringstream in(std::string(text, static_cast<std::size_t>(n)));
        in >> record.pid >> record.pty;
    }
    return record;
}

void WriteRecord(int fd, const std::string& pty, const std::string& path)
{
    const std::string text = std::to_string(getpid()) + " " + pty + "\n";
    if (ftruncate(fd, 0) != 0 || pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()))
        ThrowErrno("write " + path);
}

std::optional<std::string> ReadLink(const std::string& path)
{
    char target[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    if (n < 0 || n == static_cast<ssize_t>(sizeof target))
        return std::nullopt;
    return std::string(target, static_cast<std::size_t>(n));
}

// Opens the record and takes its lock, or says who holds it.
int LockRecord(const std::string& path, const std::string& link_path)
{
    for (;;) {
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0)
            ThrowErrno("open " + path);
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            const Record holder = ReadRecord(fd);
            close(fd);
            if (error != EWOULDBLOCK) {
                errno = error;
                ThrowErrno("flock " + path);
            }
            throw std::runtime_error(link_path + " is served by a running plcsim" +
                                     (holder.pid > 0 ? " (pid " + std::to_string(holder.pid) + ")" : "") +
                                     "; stop it or choose another --com");
        }
        // A simulator that was stopping unlinks its record before it lets
        // go of the lock: a lock on that unlinked file guards nothing.
        struct stat opened {}, named {};
        if (fstat(fd, &opened) != 0) {
            close(fd);
            ThrowErrno("fstat " + path);
        }
        if (lstat(path.c_str(), &named) != 0) {
            const int error = errno;
            close(fd);
            errno = error;
            if (error != ENOENT)
                ThrowErrno("lstat " + path);
        } else if (named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            return fd;
        } else {
            close(fd);
        }
    }
}

std::string Kind(const struct stat& st)
{
    if (S_ISREG(st.st_mode))
        return "a regular file";
    if (S_ISDIR(st.st_mode))
        return "a folder";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "a device node";
    return "not a link plcsim made";
}

// Removes what a dead simulator left at the link's place; refuses anything
// else, since a user's own mapping (COM5 -> /dev/ttyUSB0) lives there too.
void ClearWay(const std::string& link_path, const Record& left)
{
    struct stat st {};
    if (lstat(link_path.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return;
        ThrowErrno("lstat " + link_path);
    }
    if (!S_ISLNK(st.st_mode))
        throw std::runtime_error(link_path + " is " + Kind(st) + "; not replacing it");
    const std::optional<std::string> target = ReadLink(link_path);
    if (target && target->starts_with("/dev/pts/") && *target == left.pty) {
        if (unlink(link_path.c_str()) != 0 && errno != ENOENT)
            ThrowErrno("unlink " + link_path);
        return;
    }
    throw std::runtime_error(link_path + " -> " + target.value_or("?") +
                             " is not a link left by plcsim; not replacing it (remove it yourself if it is no longer wanted)");
}

}  // namespace

ComClaim::~ComClaim()
{
    Release();
}

void ComClaim::Take(const std::string& link_path, const std::string& pty_path)
{
    if (record_fd_ >= 0)
        throw std::logic_error("ComClaim already taken");
    const std::string record_path = RecordPath(link_path);
    const int fd = LockRecord(record_path, link_path);
    try {
        ClearWay(link_path, ReadRecord(fd));
        // Recorded before the link exists, so a link of ours never lacks its record.
        WriteRecord(fd, pty_path, record_path);
        if (symlink(pty_path.c_str(), link_path.c_str()) != 0) {
            if (errno == EEXIST)
                throw std::runtime_error(link_path + " appeared while plcsim was starting; not replacing it");
            ThrowErrno("symlink " + link_path);
        }
    } catch (...) {
        // Still under our lock: nobody else's record is removed here.
        unlink(record_path.c_str());
        close(fd);
        throw;
    }
    link_path_ = link_path;
    pty_path_ = pty_path;
    record_fd_ = fd;
}

void ComClaim::Release()
{
    if (record_fd_ < 0)
        return;
    // Someone may have put their own entry there since; leave it be.
    if (ReadLink(link_path_) == pty_path_)
        unlink(link_path_.c_str());
    unlink(RecordPath(link_path_).c_str());
    close(record_fd_);
    record_fd_ = -1;
}

}  // namespace plcsim
