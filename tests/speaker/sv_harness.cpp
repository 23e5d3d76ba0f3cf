// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/speaker/sv_harness.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace sv_harness {

namespace {

constexpr int kPollSliceMs = 2;
// Generous for a loaded two-core machine; a healthy server answers in well
// under a second.
constexpr double kServerStartSeconds = 20.0;
constexpr double kServerStopSeconds = 5.0;
// How much of the server's log a failure quotes.
constexpr std::size_t kLogTail = 400;

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (std::string& s : strings) {
        out.push_back(s.data());
    }
    out.push_back(nullptr);
    return out;
}

std::string variableName(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

bool answers(const std::string& socketPath) {
    sockaddr_un address{};
    if (socketPath.size() >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool ok =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return ok;
}

std::string tailOf(const std::string& path) {
    std::ifstream file(path);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text.size() > kLogTail ? text.substr(text.size() - kLogTail) : text;
}

void readAll(int fd, std::string& into) {
    char buffer[1024];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        into.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace

long long nowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

SpawnLists::SpawnLists(std::vector<std::string> args, const std::vector<std::string>& env)
    : args_(std::move(args)) {
    for (char** e = environ; *e != nullptr; ++e) {
        env_.emplace_back(*e);
    }
    for (const std::string& change : env) {
        const std::string name = variableName(change);
        std::erase_if(env_, [&](const std::string& entry) { return variableName(entry) == name; });
        if (change.find('=') != std::string::npos) {
            env_.push_back(change);
        }
    }
    argp_ = pointers(args_);
    envp_ = pointers(env_);
}

Child::~Child() {
    if (running()) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    for (const int fd : {out_, err_, pidfd_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

bool Child::start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                  const std::string& log) {
    SpawnLists lists(argv, env);
    int outFds[2] = {-1, -1};
    int errFds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!log.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    } else if (::pipe2(outFds, O_CLOEXEC) == 0 && ::pipe2(errFds, O_CLOEXEC) == 0) {
        posix_spawn_file_actions_adddup2(&actions, outFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, errFds[1], STDERR_FILENO);
    }
    const bool piped = errFds[1] >= 0;
    int rc = EPIPE;
    if (piped || !log.empty()) {
        startNs_ = nowNs();
        rc = posix_spawnp(&pid_, lists.argv()[0], &actions, nullptr, lists.argv(), lists.envp());
    }
    posix_spawn_file_actions_destroy(&actions);
    for (const int fd : {outFds[1], errFds[1]}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    out_ = outFds[0];
    err_ = errFds[0];
    if (rc != 0) {
        pid_ = -1;
        return false;
    }
    for (const int fd : {out_, err_}) {
        if (fd >= 0) {
            ::fcntl(fd, F_SETFL, O_NONBLOCK);
        }
    }
    // Without pidfds (kernels before 5.3) the exit is seen a slice late.
    pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
    return true;
}

bool Child::exitedCleanly() const {
    return exitNs_ != 0 && WIFEXITED(status_) && WEXITSTATUS(status_) == 0;
}

std::string Child::output() const {
    std::string text;
    for (const Line& l : lines_) {
        text += l.text + '\n';
    }
    return text + partial_;
}

std::optional<Child::Line> Child::line(const std::string& prefix) const {
    for (const Line& l : lines_) {
        if (l.text.starts_with(prefix)) {
            return l;
        }
    }
    return std::nullopt;
}

long long Child::stamp(const std::string& word, int index) const {
    const auto found = line(word + ' ');
    if (!found) {
        return -1;
    }
    std::string_view rest = std::string_view(found->text).substr(word.size());
    for (int i = 0; i <= index; ++i) {
        const std::size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            return -1;
        }
        rest.remove_prefix(start);
        const std::string_view field = rest.substr(0, rest.find(' '));
        if (i == index) {
            char* end = nullptr;
            const std::string number(field);
            const long long value = std::strtoll(number.c_str(), &end, 10);
            return !number.empty() && *end == '\0' ? value : -1;
        }
        rest.remove_prefix(field.size());
    }
    return -1;
}

void Child::take(bool ended, long long now) {
    if (pidfd_ < 0 && running()) {
        ended = ::waitpid(pid_, &status_, WNOHANG) == pid_;
    } else if (ended && running()) {
        ::waitpid(pid_, &status_, 0);
    }
    // After the exit is noted, so that nothing it wrote is left unread.
    if (out_ >= 0) {
        readAll(out_, partial_);
    }
    if (err_ >= 0) {
        readAll(err_, errors_);
    }
    for (std::size_t end; (end = partial_.find('\n')) != std::string::npos;) {
        lines_.push_back({now, partial_.substr(0, end)});
        partial_.erase(0, end + 1);
    }
    if (ended && exitNs_ == 0) {
        exitNs_ = now;
    }
}

void pump(const std::vector<Child*>& children) {
    std::vector<pollfd> fds;
    for (Child* child : children) {
        fds.push_back({child->outFd(), POLLIN, 0});
        fds.push_back({child->exitFd(), POLLIN, 0});
    }
    if (::poll(fds.data(), fds.size(), kPollSliceMs) < 0 && errno != EINTR) {
        return;
    }
    const long long now = nowNs();
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->take((fds[2 * i + 1].revents & POLLIN) != 0, now);
    }
}

SoundServer::~SoundServer() {
    if (server_ && server_->running()) {
        ::kill(server_->pid(), SIGCONT); // in case it was left frozen
        ::kill(server_->pid(), SIGTERM);
        pumpUntil({server_.get()}, kServerStopSeconds, [&] { return !server_->running(); });
    }
    server_.reset();
    if (!dir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
}

bool SoundServer::start(std::string& why) {
    namespace fs = std::filesystem;
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "sv_sound.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        why = std::string("no temporary folder for the sound server: ") + std::strerror(errno);
        return false;
    }
    dir_ = pattern;
    const std::string runtime = dir_ + "/runtime";
    fs::create_directory(runtime, error);
    fs::permissions(runtime, fs::perms::owner_all, error);
    const std::string socket = dir_ + "/native";
    const std::string log = dir_ + "/server.log";
    server_ = std::make_unique<Child>();
    // As root it warns that it is not meant to run as root, and runs.
    if (!server_->start({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                         "--use-pid-file=no", "--load=module-null-sink sink_name=nul",
                         "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket},
                        {"HOME=" + dir_, "XDG_RUNTIME_DIR=" + runtime,
                         "XDG_CONFIG_HOME=" + dir_ + "/config", "PULSE_SERVER",
                         "DBUS_SESSION_BUS_ADDRESS"},
                        log)) {
        why = "pulseaudio could not be started (scripts/install-deps installs it)";
        return false;
    }
    const bool up = pumpUntil({server_.get()}, kServerStartSeconds,
                              [&] { return !server_->running() || answers(socket); });
    if (!server_->running()) {
        why = "pulseaudio ended at once: " + tailOf(log);
        return false;
    }
    if (!up) {
        why = "pulseaudio did not answer within " +
              std::to_string(static_cast<int>(kServerStartSeconds)) + " s: " + tailOf(log);
        return false;
    }
    return true;
}

std::vector<std::string> SoundServer::clientEnv(const std::string& runtime) const {
    return {"PULSE_SERVER=unix:" + dir_ + "/native",
            runtime.empty() ? "XDG_RUNTIME_DIR" : "XDG_RUNTIME_DIR=" + runtime, "HOME=" + dir_};
}

} // namespace sv_harness
