// SPDX-License-Identifier: GPL-3.0-or-later
// The newest request wins: how soon a playing sv falls silent once a newer
// one is started. Figures only, never a pass/fail.
//
// sv plays into a PulseAudio server of the benchmark's own with a null sink,
// which plays in real time as a sound card does. A chain of players is
// started, each a quarter of a second after the one before it is heard, as
// a child clicking down a list would. For each new request the benchmark
// times, from spawning it:
//   - the old player's exit, seen through a pidfd;
//   - the sound server removing the old player's stream, from the events
//     `pactl subscribe` prints (that is when it falls silent);
//   - the new player's first audio sample handed to the sound server (it
//     prints CLOCK_MONOTONIC then, with SV_STAMP_FIRST_SAMPLE), which
//     includes taking the lock and stopping the old one.
// The baseline, measured in the same run, is spawning /bin/true to its exit.
//
// Usage: sv_newest_wins [path/to/sv] [requests]

#include "core/speech_protocol.h"
#include "tests/speaker/sv_harness.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

using sv_harness::Child;
using sv_harness::median;

constexpr double kHeardFor = 0.25; // seconds a player is heard before the next request
// What a child should never notice: the old voice going on over the new one.
constexpr double kSilentWithinMs = 50;

struct Figures {
    std::vector<double> exit, removed, firstSample, stopSent, stopToExit, baseline;
};

void report(const char* what, const std::vector<double>& v) {
    if (v.empty()) {
        std::printf("  %-52s no figures\n", what);
        return;
    }
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    std::printf("  %-52s median %6.2f ms (min %.2f, max %.2f)\n", what, median(v), *lo, *hi);
}

// The sink inputs of the sound server: when each was made and removed.
struct Streams {
    std::map<int, long long> made, removed;
    std::vector<int> order;

    void read(const Child& events, std::size_t& seen) {
        for (; seen < events.lines().size(); ++seen) {
            const Child::Line& line = events.lines()[seen];
            const auto at = line.text.find("on sink-input #");
            if (at == std::string::npos) {
                continue;
            }
            const int index = std::atoi(line.text.c_str() + at + 15);
            if (line.text.find("'new'") != std::string::npos) {
                made[index] = line.atNs;
                order.push_back(index);
            } else if (line.text.find("'remove'") != std::string::npos) {
                removed[index] = line.atNs;
            }
        }
    }
    // The stream a player opened last before `before`, that is the one it plays on.
    int lastMadeBefore(long long before) const {
        int found = -1;
        for (int index : order) {
            if (made.at(index) < before) {
                found = index;
            }
        }
        return found;
    }
};

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const std::string sv =
        argc > 1 ? argv[1] : (self.parent_path().parent_path() / "bin" / "sv").string();
    const int requests = argc > 2 ? std::max(2, std::atoi(argv[2])) : 21;

    sv_harness::SoundServer pulse;
    std::string why;
    if (!pulse.start(why)) {
        std::fprintf(stderr, "sv_newest_wins: no sound server: %s\n", why.c_str());
        return 1;
    }
    const fs::path runtime = fs::path(pulse.dir()) / "sv-runtime";
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const std::string record = (fs::path(pulse.dir()) / "lloc.dat").string();
    {
        std::string text = "Un quart i cinc de dues. Dos quarts i deu de tres. Tres quarts i cinc "
                           "de quatre. La una i deu.";
        text.resize(speech_protocol::kRecordSize, ' ');
        std::ofstream(record, std::ios::binary) << text;
    }
    // sv reads only a file no one else may write, whatever the umask.
    fs::permissions(record, fs::perms::owner_read | fs::perms::owner_write);
    std::vector<std::string> env = pulse.clientEnv(runtime.string());
    env.push_back("SV_STAMP_FIRST_SAMPLE=1");
    env.push_back("SV_STAMP_STOP=1");
    Child events;
    if (!events.start({"pactl", "subscribe"}, pulse.clientEnv(runtime.string()))) {
        std::fprintf(stderr, "sv_newest_wins: cannot run pactl\n");
        return 1;
    }
    std::size_t seenEvents = 0;
    Streams streams;

    Figures figures;
    std::unique_ptr<Child> old;
    // One request more than measured: the first has no one to stop.
    for (int i = 0; i <= requests; ++i) {
        auto player = std::make_unique<Child>();
        if (!player->start({sv, "/I:c", "/L:1", "/V:100", "/F:" + record}, env)) {
            std::fprintf(stderr, "sv_newest_wins: cannot start %s\n", sv.c_str());
            return 1;
        }
        std::vector<Child*> watched{player.get(), &events};
        if (old) {
            watched.push_back(old.get());
        }
        const bool heard = sv_harness::pumpUntil(watched, 20.0, [&] {
            return (player->line("first-sample-ns") || !player->running()) &&
                   (!old || !old->running());
        });
        if (!heard || !player->line("first-sample-ns")) {
            std::fprintf(stderr, "sv_newest_wins: request %d was not heard\n", i);
            return 1;
        }
        const double start = player->startNs() / 1e6;
        figures.firstSample.push_back(
            std::atoll(player->line("first-sample-ns")->text.c_str() + 16) / 1e6 - start);
        if (old) {
            const int stream = streams.lastMadeBefore(player->startNs());
            // The server's event for the old stream may trail its exit a little.
            sv_harness::pumpUntil({&events}, 2.0, [&] {
                streams.read(events, seenEvents);
                return stream < 0 || streams.removed.count(stream) > 0;
            });
            if (!old->exitedCleanly()) {
                std::fprintf(stderr, "sv_newest_wins: a stopped player did not exit 0\n");
                return 1;
            }
            figures.exit.push_back(old->exitNs() / 1e6 - start);
            if (stream >= 0 && streams.removed.count(stream) > 0) {
                figures.removed.push_back(streams.removed[stream] / 1e6 - start);
            }
            if (const long long sent = player->stamp("stopped", 1); sent > 0) {
                figures.stopSent.push_back(sent / 1e6 - start);
                figures.stopToExit.push_back((old->exitNs() - sent) / 1e6);
            }
        }
        sv_harness::pumpUntil({player.get(), &events}, kHeardFor, [] { return false; });
        streams.read(events, seenEvents);
        old = std::move(player);

        Child baseline;
        if (baseline.start({"/bin/true"}, {})) {
            sv_harness::pumpUntil({&baseline}, 5.0, [&] { return !baseline.running(); });
            figures.baseline.push_back((baseline.exitNs() - baseline.startNs()) / 1e6);
        }
    }
    ::kill(old->pid(), SIGUSR1); // as a newer request would
    sv_harness::pumpUntil({old.get()}, 5.0, [&] { return !old->running(); });
    ::kill(events.pid(), SIGTERM);

    std::printf("sv: %s, %d requests, each a quarter of a second after the one before is "
                "heard,\nplaying into a private PulseAudio null sink\n",
                sv.c_str(), requests);
    report("new request to the old player's exit:", figures.exit);
    report("new request to the server dropping its stream:", figures.removed);
    report("  of which: new request to the stop signal sent:", figures.stopSent);
    report("stop signal sent to the old player's exit:", figures.stopToExit);
    std::printf("  %-52s %td of %zu\n", "  of which 50 ms or more (a child would notice):",
                std::count_if(figures.stopToExit.begin(), figures.stopToExit.end(),
                              [](double ms) { return ms >= kSilentWithinMs; }),
                figures.stopToExit.size());
    report("new request to its own first sample (lock taken):", figures.firstSample);
    report("baseline, start to exit of /bin/true:", figures.baseline);
    return 0;
}
