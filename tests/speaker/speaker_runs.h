#pragma once

// Runs of the real sv for the tests that need it to play: a PulseAudio
// server of the test's own with a null sink (it plays in real time, as a
// sound card does), and sv processes watched closely enough to time their
// exits to the millisecond.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace speaker_runs {

long long monotonicNs();

class PulseServer final {
public:
    PulseServer() = default;
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;
    ~PulseServer();

    // Starts the server and waits, within a bound, until it answers. On
    // failure returns false with the reason, the server's own words included.
    bool start(QString& why);
    // The environment for a client: this server, and runtimeDir as the
    // per-user runtime folder (where sv keeps its lock).
    QProcessEnvironment clientEnvironment(const QString& runtimeDir) const;
    // The cache folder of a client (under its HOME).
    QString cacheDir() const;
    // The server's process, to freeze it as a stuck sound system would be.
    qint64 pid() const { return server_.processId(); }

private:
    QTemporaryDir dir_;
    QProcess server_;
};

// One sv process (or any program), its stdout and stderr kept, its exit
// timed through a pidfd as it happens.
struct Run {
    pid_t pid = -1;
    int pidfd = -1;
    int out = -1;
    int err = -1;
    long long startNs = 0;
    long long exitNs = 0; // 0 while running
    int status = -1;      // as waitpid gives it, once exited
    QByteArray output;
    QByteArray errors; // stderr

    ~Run();
    bool running() const { return exitNs == 0; }
    bool exitedCleanly() const;
    void drain(); // reads what stdout and stderr hold so far
    // The number after a word at the start of a line of output ("stopped
    // <pid> <ns>" has two: index 0 and 1), or -1.
    long long stamp(const QByteArray& word, int index = 0) const;
};

// Starts program with args; nullptr when it could not be started.
std::unique_ptr<Run> start(const QString& program, const QStringList& args,
                           const QProcessEnvironment& env);

// Reads output and notes exits until done() holds or the deadline passes;
// returns done().
template <typename Done>
bool pumpUntil(const std::vector<Run*>& runs, long long deadlineNs, Done done);
bool pump(const std::vector<Run*>& runs, long long untilNs); // one slice of pumping

template <typename Done>
bool pumpUntil(const std::vector<Run*>& runs, long long deadlineNs, Done done) {
    while (!done()) {
        if (monotonicNs() >= deadlineNs) {
            return false;
        }
        pump(runs, deadlineNs);
    }
    return true;
}

} // namespace speaker_runs
