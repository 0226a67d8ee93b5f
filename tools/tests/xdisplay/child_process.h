// A program the tests start and stop: its output in files, its standard
// input a pipe the test may keep open, its end awaited with a bound.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace xtest {

class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { Stop(); }

    // Runs `program` with `args`; standard output and error go to `outFile`
    // and `outFile`.err. `extraFd` (when >= 0) is handed on as descriptor 3.
    bool Start(const std::string& program, const std::vector<std::string>& args, const std::string& outFile,
               int extraFd = -1)
    {
        int in[2];
        if (pipe2(in, O_CLOEXEC) != 0)
            return false;
        outFile_ = outFile;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (outFile + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (extraFd >= 0)
            posix_spawn_file_actions_adddup2(&actions, extraFd, 3);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        const int failed = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        input_ = in[1];
        if (failed) {
            pid_ = -1;
            return false;
        }
        return true;
    }

    // Writes to its standard input, which stays open until Stop.
    void Send(const std::string& text) const
    {
        if (input_ >= 0 && ::write(input_, text.data(), text.size()) < 0)
            return;
    }

    // Whether it has ended by itself; its status then in `status`.
    bool Ended(int* status = nullptr)
    {
        if (pid_ > 0 && waitpid(pid_, &status_, WNOHANG) == pid_)
            pid_ = 0;
        if (status)
            *status = WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
        return pid_ == 0;
    }

    // SIGTERM, then SIGKILL when it has not gone within a few seconds.
    void Stop()
    {
        if (input_ >= 0)
            close(std::exchange(input_, -1));
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        for (int i = 0; i < 100 && !Ended(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status_, 0);
            pid_ = 0;
        }
    }

    pid_t Pid() const { return pid_; }
    const std::string& OutFile() const { return outFile_; }

private:
    pid_t pid_ = -1;
    int status_ = -1;
    int input_ = -1;
    std::string outFile_;
};

// Runs a short command to its end and answers its standard output, empty
// when it failed.
inline std::string Capture(const std::string& program, const std::vector<std::string>& args)
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return "";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; !failed && (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = -1;
    if (!failed)
        waitpid(pid, &status, 0);
    return !failed && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "";
}

}  // namespace xtest
