#pragma once

// For the sv benchmarks that need sv to play: a PulseAudio server of the
// benchmark's own with a null sink, which plays in real time as a sound card
// does, and children whose output lines and exit are timed as they come.
// Plain C++, header only.

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace sv_playing {

inline long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

// The argument and environment lists posix_spawn takes: the arguments given,
// and this process's environment with some entries added.
class SpawnLists {
public:
    SpawnLists(std::vector<std::string> args, const std::vector<std::string>& extraEnv)
        : args_(std::move(args)) {
        for (char** e = environ; *e != nullptr; ++e) {
            env_.emplace_back(*e);
        }
        env_.insert(env_.end(), extraEnv.begin(), extraEnv.end());
        argp_ = pointers(args_);
        envp_ = pointers(env_);
    }
    char** argv() { return argp_.data(); }
    char** envp() { return envp_.data(); }

private:
    static std::vector<char*> pointers(std::vector<std::string>& strings) {
        std::vector<char*> out;
        for (std::string& s : strings) {
            out.push_back(s.data());
        }
        out.push_back(nullptr);
        return out;
    }

    std::vector<std::string> args_;
    std::vector<std::string> env_;
    std::vector<char*> argp_;
    std::vector<char*> envp_;
};

// A child process with its stdout kept line by line, each line stamped with
// the time it was read, and its exit time seen through a pidfd.
class Child {
public:
    struct Line {
        long long atNs;
        std::string text;
    };

    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() {
        if (pid_ > 0 && exitNs_ == 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        for (int fd : {out_, pidfd_}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    // Starts argv (looked up on the PATH) with extra environment entries.
    bool start(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv) {
        SpawnLists lists(argv, extraEnv);
        char** argp = lists.argv();
        int pipeFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        startNs_ = nowNs();
        const int rc = posix_spawnp(&pid_, argp[0], &actions, nullptr, argp, lists.envp());
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        out_ = pipeFds[0];
        if (rc != 0) {
            pid_ = -1;
            return false;
        }
        ::fcntl(out_, F_SETFL, O_NONBLOCK);
        pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
        return pidfd_ >= 0;
    }

    pid_t pid() const { return pid_; }
    long long startNs() const { return startNs_; }
    long long exitNs() const { return exitNs_; }
    bool running() const { return pid_ > 0 && exitNs_ == 0; }
    bool exitedCleanly() const {
        return exitNs_ != 0 && WIFEXITED(status_) && WEXITSTATUS(status_) == 0;
    }
    const std::vector<Line>& lines() const { return lines_; }

    // The first line starting with prefix, if one came.
    std::optional<Line> line(const std::string& prefix) const {
        for (const Line& l : lines_) {
            if (l.text.rfind(prefix, 0) == 0) {
                return l;
            }
        }
        return std::nullopt;
    }

    // Reads what is there and notes an exit; called by pump().
    void take(bool ended, long long now) {
        char buffer[1024];
        for (ssize_t n; (n = ::read(out_, buffer, sizeof buffer)) > 0;) {
            partial_.append(buffer, static_cast<std::size_t>(n));
        }
        for (std::size_t end; (end = partial_.find('\n')) != std::string::npos;) {
            lines_.push_back({now, partial_.substr(0, end)});
            partial_.erase(0, end + 1);
        }
        if (ended && exitNs_ == 0) {
            exitNs_ = now;
            ::waitpid(pid_, &status_, 0);
        }
    }

    int outFd() const { return out_; }
    int pidFd() const { return exitNs_ == 0 ? pidfd_ : -1; }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int pidfd_ = -1;
    int status_ = -1;
    long long startNs_ = 0;
    long long exitNs_ = 0;
    std::string partial_;
    std::vector<Line> lines_;
};

// Waits up to a few milliseconds for anything from the children.
inline void pump(const std::vector<Child*>& children, int sliceMs = 2) {
    std::vector<pollfd> fds;
    for (Child* child : children) {
        fds.push_back({child->outFd(), POLLIN, 0});
        fds.push_back({child->pidFd(), POLLIN, 0});
    }
    ::poll(fds.data(), fds.size(), sliceMs);
    const long long now = nowNs();
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->take((fds[2 * i + 1].revents & POLLIN) != 0, now);
    }
}

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

// pulseaudio with a null sink, in a folder of its own.
class PrivatePulse {
public:
    PrivatePulse() = default;
    PrivatePulse(const PrivatePulse&) = delete;
    PrivatePulse& operator=(const PrivatePulse&) = delete;
    ~PrivatePulse() {
        if (server_ && server_->running()) {
            ::kill(server_->pid(), SIGTERM);
            pumpUntil({server_.get()}, 5.0, [&] { return !server_->running(); });
        }
        server_.reset();
        if (!dir_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(dir_, ignored);
        }
    }

    bool start(std::string& why) {
        char pattern[] = "/tmp/sv_pulse.XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            why = "mkdtemp failed";
            return false;
        }
        dir_ = pattern;
        std::filesystem::create_directory(dir_ / "runtime");
        std::filesystem::permissions(dir_ / "runtime", std::filesystem::perms::owner_all);
        const std::string socket = (dir_ / "native").string();
        server_ = std::make_unique<Child>();
        if (!server_->start(
                {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                 "--load=module-null-sink sink_name=nul",
                 "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket},
                {"HOME=" + dir_.string(), "XDG_RUNTIME_DIR=" + (dir_ / "runtime").string(),
                 "XDG_CONFIG_HOME=" + (dir_ / "config").string()})) {
            why = "pulseaudio could not be started (is it installed?)";
            return false;
        }
        const bool up = pumpUntil({server_.get()}, 20.0,
                                  [&] { return !server_->running() || answers(socket); });
        if (!up || !server_->running()) {
            why = "pulseaudio did not come up";
            return false;
        }
        return true;
    }

    // Environment entries for a client of this server whose runtime folder
    // is the given one.
    std::vector<std::string> clientEnv(const std::string& runtime) const {
        return {"PULSE_SERVER=unix:" + (dir_ / "native").string(), "XDG_RUNTIME_DIR=" + runtime,
                "HOME=" + dir_.string()};
    }

    const std::filesystem::path& dir() const { return dir_; }

private:
    static bool answers(const std::string& path) {
        sockaddr_un address{};
        if (path.size() >= sizeof address.sun_path) {
            return false;
        }
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool ok = fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address),
                                             sizeof address) == 0;
        if (fd >= 0) {
            ::close(fd);
        }
        return ok;
    }

    std::filesystem::path dir_;
    std::unique_ptr<Child> server_;
};

} // namespace sv_playing
