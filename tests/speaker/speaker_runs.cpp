#include "tests/speaker/speaker_runs.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace speaker_runs {

namespace {

// Generous for a loaded two-core machine; a healthy server answers in
// well under a second.
constexpr int kServerStartMs = 20000;
constexpr int kPollSliceMs = 5;

bool answers(const QString& socketPath) {
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool ok =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return ok;
}

} // namespace

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

PulseServer::~PulseServer() {
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }
}

bool PulseServer::start(QString& why) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty()) {
        why = QStringLiteral("pulseaudio is not installed (scripts/install-deps installs it)");
        return false;
    }
    if (!dir_.isValid() || !QDir(dir_.path()).mkdir(QStringLiteral("runtime"))) {
        why = QStringLiteral("no temporary folder for the sound server");
        return false;
    }
    QFile::setPermissions(dir_.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    env.remove(QStringLiteral("PULSE_SERVER"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    server_.setProcessEnvironment(env);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    const QString socket = dir_.filePath(QStringLiteral("native"));
    // As root it warns that it is not meant to run as root, and runs.
    server_.start(program,
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--load=module-null-sink sink_name=nul"),
                   QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 "
                                  "socket=") +
                       socket});
    if (!server_.waitForStarted(kServerStartMs)) {
        why = QStringLiteral("pulseaudio could not be started: ") + server_.errorString();
        return false;
    }
    const long long deadline = monotonicNs() + kServerStartMs * 1000000LL;
    while (!answers(socket)) {
        if (server_.waitForFinished(50) || server_.state() == QProcess::NotRunning) {
            why = QStringLiteral("pulseaudio ended at once: ") +
                  QString::fromLocal8Bit(server_.readAll()).simplified().right(400);
            return false;
        }
        if (monotonicNs() > deadline) {
            why =
                QStringLiteral("pulseaudio did not answer within %1 s").arg(kServerStartMs / 1000);
            return false;
        }
    }
    return true;
}

QString PulseServer::cacheDir() const {
    return dir_.filePath(QStringLiteral(".cache"));
}

QProcessEnvironment PulseServer::clientEnvironment(const QString& runtimeDir) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + dir_.filePath("native"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("SV_STAMP_FIRST_SAMPLE"), QStringLiteral("1"));
    env.insert(QStringLiteral("SV_STAMP_STOP"), QStringLiteral("1"));
    return env;
}

Run::~Run() {
    if (pid > 0 && running()) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    if (pidfd >= 0) {
        ::close(pidfd);
    }
    for (const int fd : {out, err}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void Run::drain() {
    char buffer[512];
    for (ssize_t n; (n = ::read(out, buffer, sizeof buffer)) > 0;) {
        output.append(buffer, n);
    }
    for (ssize_t n; (n = ::read(err, buffer, sizeof buffer)) > 0;) {
        errors.append(buffer, n);
    }
}

bool Run::exitedCleanly() const {
    return !running() && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

long long Run::stamp(const QByteArray& word, int index) const {
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > index + 1 && fields.front() == word) {
            bool ok = false;
            const long long value = fields[index + 1].toLongLong(&ok);
            return ok ? value : -1;
        }
    }
    return -1;
}

std::unique_ptr<Run> start(const QString& program, const QStringList& args,
                           const QProcessEnvironment& env) {
    std::vector<QByteArray> argBytes{QFile::encodeName(program)};
    for (const QString& arg : args) {
        argBytes.push_back(arg.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& arg : argBytes) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::vector<QByteArray> envBytes;
    for (const QString& entry : env.toStringList()) {
        envBytes.push_back(entry.toLocal8Bit());
    }
    std::vector<char*> envp;
    for (QByteArray& entry : envBytes) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    int pipeFds[2];
    int errFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return nullptr;
    }
    if (::pipe2(errFds, O_CLOEXEC) != 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return nullptr;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errFds[1], STDERR_FILENO);
    auto run = std::make_unique<Run>();
    run->startNs = monotonicNs();
    const int rc =
        posix_spawn(&run->pid, argv.front(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    ::close(errFds[1]);
    run->out = pipeFds[0];
    run->err = errFds[0];
    if (rc != 0) {
        run->pid = -1;
        return nullptr;
    }
    ::fcntl(run->out, F_SETFL, O_NONBLOCK);
    ::fcntl(run->err, F_SETFL, O_NONBLOCK);
    run->pidfd = static_cast<int>(::syscall(SYS_pidfd_open, run->pid, 0));
    return run;
}

bool pump(const std::vector<Run*>& runs, long long untilNs) {
    std::vector<pollfd> fds;
    for (Run* run : runs) {
        fds.push_back({run->out, POLLIN, 0});
        fds.push_back({run->running() ? run->pidfd : -1, POLLIN, 0});
    }
    const long long left = (untilNs - monotonicNs()) / 1000000;
    const int timeout = static_cast<int>(std::clamp<long long>(left, 0, kPollSliceMs));
    if (::poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR) {
        return false;
    }
    const long long now = monotonicNs();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        Run* run = runs[i];
        run->drain();
        // Without pidfds (kernels before 5.3) the exit is seen a slice late.
        const bool ended = run->pidfd >= 0 ? (fds[2 * i + 1].revents & POLLIN) != 0
                                           : ::waitpid(run->pid, &run->status, WNOHANG) == run->pid;
        if (run->running() && ended) {
            run->exitNs = now;
            if (run->pidfd >= 0) {
                ::waitpid(run->pid, &run->status, 0);
            }
            run->drain();
        }
    }
    return true;
}

} // namespace speaker_runs
