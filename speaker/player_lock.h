// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// The newest request wins: a new sv that is about to play stops the one of
// the same user that is still playing. The player on duty is recorded in a
// lock file in the per-user runtime folder, changed only under flock.
namespace speaker {

// What a new player sends the one it replaces, which then exits 0 at once.
// Runs that only write a WAV or print IPA ignore it.
inline constexpr int kStopSignal = SIGUSR1;

// One process for good: a pid alone may be reused, its start time (clock
// ticks since boot, from /proc/<pid>/stat) tells the reuse apart.
struct Player {
    pid_t pid = 0;
    unsigned long long started = 0;
    bool operator==(const Player&) const = default;
};

// The lock file's content, "<pid> <started>\n"; nothing for anything else.
std::optional<Player> parsePlayer(std::string_view text);
std::string formatPlayer(const Player& player);

// This process, or a live process, as a Player; nothing when it is gone.
std::optional<Player> playerOf(pid_t pid);

// Whether the process is the recorded one, still alive, run by our user and
// running our own program: /proc/<pid>/exe names the file /proc/self/exe
// names. The path is compared, not the inode, so that a player started
// before sv was rebuilt or upgraded (the kernel then shows its program as
// "<path> (deleted)") is still ours.
bool isOurPlayer(const Player& player);

// The folder for sv.lock: our private folder (core/private_files.h), the
// one the clock program keeps its scratch file in. Empty, with the reason in
// problem, when there is none that is safe.
std::string lockFolder(std::string& problem);

// sv.lock in that folder, or empty with the reason in problem.
std::string lockFilePath(std::string& problem);

class PlayerLock final {
public:
    enum class Outcome {
        Play,  // we are the player on duty now
        Yield, // a request newer than ours already plays: say nothing
    };

    PlayerLock() = default;
    PlayerLock(const PlayerLock&) = delete;
    PlayerLock& operator=(const PlayerLock&) = delete;
    // Clears the record when it still names us.
    ~PlayerLock();

    // Stops the recorded player when it is still our sv and older than us,
    // and records us instead. A folder or a file we cannot trust (a link,
    // someone else's, not a regular file, a folder others may enter) is
    // left alone: we then play without stopping anyone, and problem() says
    // why. Never waits more than a second for the lock. With stamp set,
    // prints "stopped <pid> <CLOCK_MONOTONIC ns>" on stdout for each stop,
    // the time read just before the stop signal goes out.
    Outcome claim(const std::string& path, bool stamp);

    // Why the last claim played without the lock, on one line; or empty.
    const std::string& problem() const { return problem_; }

private:
    int fd_ = -1;
    Player self_;
    std::string problem_;
};

} // namespace speaker
