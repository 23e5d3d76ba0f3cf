// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/player_lock.h"

#include "core/private_files.h"
#include "speaker/message.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace speaker {

namespace {

constexpr std::string_view kLockName = "sv.lock";
// The lock is held only for the few reads and writes of a hand-over; one
// still held after this long belongs to something stuck, and a new request
// must be heard all the same.
constexpr int kLockTries = 1000;
constexpr long kLockRetryNs = 1000000;
constexpr std::string_view kDeleted = " (deleted)";
// The start time is the 22nd field of /proc/<pid>/stat, the 20th after the
// bracketed name.
constexpr int kStartField = 19;

template <typename Number> bool parseNumber(std::string_view text, Number& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

std::string readSmallFile(const std::string& path) {
    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return text;
    }
    char buffer[1024];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

std::optional<std::string> programPath(const std::string& exeLink) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(exeLink.c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) {
        return std::nullopt;
    }
    std::string path(buffer, static_cast<std::size_t>(n));
    if (path.ends_with(kDeleted)) {
        path.resize(path.size() - kDeleted.size());
    }
    return path;
}

std::string procPath(pid_t pid) {
    return "/proc/" + std::to_string(pid);
}

// Sends the stop signal through a pidfd taken before the checks: should the
// player end and its pid be taken over in between, the checks fail on the
// newcomer, and a pidfd never reaches anyone but the process it was opened on.
// Called through syscall(): the C library's wrappers are too recent for some
// systems.
bool stopPlayer(const Player& player) {
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, player.pid, 0));
    if (pidfd < 0 && errno != ENOSYS) {
        return false; // gone, or not ours to signal
    }
    bool sent = false;
    if (isOurPlayer(player)) {
        sent = pidfd >= 0 ? ::syscall(SYS_pidfd_send_signal, pidfd, kStopSignal, nullptr, 0) == 0
                          : ::kill(player.pid, kStopSignal) == 0;
    }
    if (pidfd >= 0) {
        ::close(pidfd);
    }
    return sent;
}

bool lockWithin(int fd, int tries) {
    for (int i = 0; i < tries; ++i) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        const timespec pause{0, kLockRetryNs};
        ::nanosleep(&pause, nullptr);
    }
    return false;
}

std::optional<Player> readRecord(int fd) {
    char buffer[64];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    if (n <= 0) {
        return std::nullopt;
    }
    return parsePlayer(std::string_view(buffer, static_cast<std::size_t>(n)));
}

bool writeRecord(int fd, const Player& player) {
    const std::string text = formatPlayer(player);
    const ssize_t n = ::pwrite(fd, text.data(), text.size(), 0);
    return n == static_cast<ssize_t>(text.size()) &&
           ::ftruncate(fd, static_cast<off_t>(text.size())) == 0;
}

// The lock file, opened only when both it and its folder are ours alone:
// never through a symbolic link, never a file someone else owns or may write
// or a second name of another file, never in a folder others may enter,
// however the folder was checked before. -1 otherwise, with the reason in
// why, said of the file ("is a symbolic link").
int openLockFile(const std::string& path, std::string& why) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash + 1 == path.size()) {
        why = "is not a file name";
        return -1;
    }
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = path.substr(slash + 1);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) {
        why = "lies in a folder that cannot be opened (" + systemReason(errno) + ")";
        return -1;
    }
    struct stat info {};
    why = ::fstat(dir, &info) != 0 ? "cannot be checked (" + systemReason(errno) + ")"
                                   : private_files::folderUnfitness(info);
    if (!why.empty()) {
        why = "lies in a folder that " + why;
        ::close(dir);
        return -1;
    }
    const int fd = ::openat(
        dir, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    const int openError = errno;
    ::close(dir);
    if (fd < 0) {
        why = openError == ELOOP ? "is a symbolic link"
                                 : "cannot be opened (" + systemReason(openError) + ")";
        return -1;
    }
    if (::fstat(fd, &info) != 0) {
        why = "cannot be checked (" + systemReason(errno) + ")";
    } else if (why = private_files::fileUnfitness(info); why.empty() && info.st_nlink != 1) {
        why = "is a second name of another file";
    }
    if (!why.empty()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

} // namespace

std::optional<Player> parsePlayer(std::string_view text) {
    if (!text.ends_with('\n')) {
        return std::nullopt;
    }
    text.remove_suffix(1);
    const std::size_t blank = text.find(' ');
    Player player;
    if (blank == std::string_view::npos || !parseNumber(text.substr(0, blank), player.pid) ||
        !parseNumber(text.substr(blank + 1), player.started) || player.pid <= 0) {
        return std::nullopt;
    }
    return player;
}

std::string formatPlayer(const Player& player) {
    return std::to_string(player.pid) + ' ' + std::to_string(player.started) + '\n';
}

std::optional<Player> playerOf(pid_t pid) {
    const std::string stat = readSmallFile(procPath(pid) + "/stat");
    // The name in brackets may hold blanks and brackets of its own.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) {
        return std::nullopt;
    }
    std::string_view fields = std::string_view(stat).substr(nameEnd + 1);
    for (int field = 0; field <= kStartField; ++field) {
        const std::size_t start = fields.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            return std::nullopt;
        }
        fields.remove_prefix(start);
        const std::size_t end = fields.find(' ');
        const std::string_view value = fields.substr(0, end);
        Player player{pid, 0};
        if (field == kStartField) {
            return parseNumber(value, player.started) ? std::optional(player) : std::nullopt;
        }
        fields.remove_prefix(value.size());
    }
    return std::nullopt;
}

bool isOurPlayer(const Player& player) {
    if (player.pid <= 1 || player.pid == ::getpid()) {
        return false;
    }
    const std::string proc = procPath(player.pid);
    struct stat info {};
    if (::stat(proc.c_str(), &info) != 0 || info.st_uid != ::geteuid()) {
        return false;
    }
    if (playerOf(player.pid) != player) {
        return false;
    }
    const auto theirs = programPath(proc + "/exe");
    const auto ours = programPath("/proc/self/exe");
    return theirs && ours && *theirs == *ours;
}

std::string lockFolder(std::string& problem) {
    std::string why;
    const std::string folder = private_files::privateFolder(why);
    if (folder.empty()) {
        problem = "no private folder for the player lock: " + why;
    }
    return folder;
}

std::string lockFilePath(std::string& problem) {
    const std::string folder = lockFolder(problem);
    return folder.empty() ? folder : folder + '/' + std::string(kLockName);
}

PlayerLock::~PlayerLock() {
    if (fd_ < 0) {
        return;
    }
    if (lockWithin(fd_, kLockTries)) {
        if (readRecord(fd_) == self_) {
            [[maybe_unused]] const int ignored = ::ftruncate(fd_, 0);
        }
        ::flock(fd_, LOCK_UN);
    }
    ::close(fd_);
}

PlayerLock::Outcome PlayerLock::claim(const std::string& path, bool stamp) {
    problem_.clear();
    const auto self = playerOf(::getpid());
    if (!self) {
        problem_ = "cannot read this process's start time in /proc: playing without the player "
                   "lock";
        return Outcome::Play;
    }
    std::string why;
    const int fd = openLockFile(path, why);
    if (fd < 0) {
        problem_ = "left the player lock " + quoted(path) + " alone, as it " + why +
                   ": playing without stopping anyone";
        return Outcome::Play;
    }
    if (!lockWithin(fd, kLockTries)) {
        problem_ = "the player lock " + quoted(path) +
                   " was held for over a second: playing without stopping anyone";
        ::close(fd);
        return Outcome::Play;
    }
    self_ = *self;
    Outcome outcome = Outcome::Play;
    if (const auto recorded = readRecord(fd); recorded && *recorded != self_) {
        // Two requests a moment apart may reach the lock in either order:
        // the one that started later is the newer, whichever came first.
        if (recorded->started > self_.started && isOurPlayer(*recorded)) {
            outcome = Outcome::Yield;
        } else {
            const long long asked = monotonicNs();
            if (stopPlayer(*recorded) && stamp) {
                std::printf("stopped %d %lld\n", static_cast<int>(recorded->pid), asked);
                std::fflush(stdout);
            }
        }
    }
    if (outcome == Outcome::Play && writeRecord(fd, self_)) {
        fd_ = fd;
    }
    ::flock(fd, LOCK_UN);
    if (fd_ < 0) {
        ::close(fd);
    }
    return outcome;
}

} // namespace speaker
