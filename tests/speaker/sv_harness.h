// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// For the test and the benchmarks that need sv to play: a PulseAudio server
// of their own with a null sink, which plays in real time as a sound card
// does, and child processes whose output lines and exit are timed as they
// come, through a pidfd. Plain C++, so that the benchmarks build without Qt.

#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace sv_harness {

// CLOCK_MONOTONIC, the clock sv stamps its own lines with.
long long nowNs();

double median(std::vector<double> values);

// The argument and environment lists posix_spawn takes: the arguments given,
// and this process's environment changed by env, whose entries are either
// "NAME=value" (set) or "NAME" (removed).
class SpawnLists final {
public:
    SpawnLists(std::vector<std::string> args, const std::vector<std::string>& env);
    SpawnLists(const SpawnLists&) = delete;
    SpawnLists& operator=(const SpawnLists&) = delete;

    char** argv() { return argp_.data(); }
    char** envp() { return envp_.data(); }

private:
    std::vector<std::string> args_;
    std::vector<std::string> env_;
    std::vector<char*> argp_;
    std::vector<char*> envp_;
};

// A child process: its stdout kept line by line, each line stamped with the
// time it was read; its stderr kept whole; its exit time seen as it happens.
// Killed, if still running, when it goes.
class Child final {
public:
    struct Line {
        long long atNs;
        std::string text;
    };

    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child();

    // Starts argv (a path, or a name looked up on the PATH) with the
    // environment changed as SpawnLists says; false when it could not start.
    // With a log file, stdout and stderr go there instead, and no one needs
    // to pump the child for it to go on.
    bool start(const std::vector<std::string>& argv, const std::vector<std::string>& env = {},
               const std::string& log = {});

    pid_t pid() const { return pid_; }
    long long startNs() const { return startNs_; }
    long long exitNs() const { return exitNs_; } // 0 while running
    int status() const { return status_; }       // as waitpid gives it, once exited
    bool running() const { return pid_ > 0 && exitNs_ == 0; }
    bool exitedCleanly() const;
    const std::vector<Line>& lines() const { return lines_; }
    const std::string& errors() const { return errors_; } // stderr
    // stdout as it came, for messages.
    std::string output() const;

    // The first line starting with prefix, if one came.
    std::optional<Line> line(const std::string& prefix) const;
    // The number after a word at the start of a line ("stopped <pid> <ns>"
    // has two: index 0 and 1), or -1.
    long long stamp(const std::string& word, int index = 0) const;

    // Reads what is there and notes an exit; called by pump().
    void take(bool ended, long long now);
    int outFd() const { return out_; }
    // The descriptor to poll for the exit, or -1 once seen.
    int exitFd() const { return running() ? pidfd_ : -1; }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    int pidfd_ = -1;
    int status_ = -1;
    long long startNs_ = 0;
    long long exitNs_ = 0;
    std::string partial_;
    std::vector<Line> lines_;
    std::string errors_;
};

// Waits a couple of milliseconds at most for anything from the children.
void pump(const std::vector<Child*>& children);

// Pumps until done() holds or the seconds pass; returns done().
template <typename Done>
bool pumpUntil(const std::vector<Child*>& children, double seconds, Done done) {
    const long long deadline = nowNs() + static_cast<long long>(seconds * 1e9);
    while (!done()) {
        if (nowNs() > deadline) {
            return false;
        }
        pump(children);
    }
    return true;
}

// pulseaudio with a null sink, in a temporary folder of its own (its HOME),
// removed when it goes.
class SoundServer final {
public:
    SoundServer() = default;
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;
    ~SoundServer();

    // Starts the server and waits, within a bound generous for a loaded
    // machine, until it answers. On failure returns false with the reason,
    // the server's own words included.
    bool start(std::string& why);

    // The environment changes for a client of this server (see SpawnLists),
    // runtime as its per-user runtime folder, where sv keeps its lock; an
    // empty one leaves XDG_RUNTIME_DIR unset.
    std::vector<std::string> clientEnv(const std::string& runtime) const;

    const std::string& dir() const { return dir_; }
    // The cache folder of a client (under its HOME).
    std::string cacheDir() const { return dir_ + "/.cache"; }
    // The server's process, to freeze it as a stuck sound system would be.
    pid_t pid() const { return server_ ? server_->pid() : -1; }

private:
    std::string dir_;
    std::unique_ptr<Child> server_;
};

} // namespace sv_harness
