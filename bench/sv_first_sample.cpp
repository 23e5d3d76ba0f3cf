// SPDX-License-Identifier: GPL-3.0-or-later
// How long the speech program takes from being started to its first audio
// sample, and how much memory it peaks at. Figures only, never a pass/fail.
//
// Twice: writing a WAV (/W:), and playing into a PulseAudio server of the
// benchmark's own with a null sink, where sv also takes the player lock, as
// it does on a sound card. Each player is stopped, as a newer request would
// stop it, once its first sample is out.
//
// sv writes to a WAV file (/W:) with SV_STAMP_FIRST_SAMPLE set, which makes
// it print the CLOCK_MONOTONIC time at which the engine hands over its first
// samples. The benchmark reads the same clock just before spawning it, so
// the difference covers exec, loading the libraries and the voice data, and
// synthesising the first buffer. Peak memory is the child's ru_maxrss from
// wait4. The baseline, measured in the same run, is spawning /bin/true to
// its exit: the cost of starting any process on this machine.
//
// Usage: sv_first_sample [path/to/sv] [runs]

#include "core/speech_protocol.h"
#include "tests/speaker/sv_harness.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using sv_harness::nowNs;

struct Sample {
    bool ok = false;
    double firstMs = 0;
    double exitMs = 0;
    long maxRssKb = 0;
};

// Spawns argv with extra environment entries; stdout comes back through a pipe.
Sample spawnAndWait(const std::vector<std::string>& argv,
                    const std::vector<std::string>& extraEnv) {
    sv_harness::SpawnLists lists(argv, extraEnv);
    char** argp = lists.argv();

    int out[2];
    if (pipe(out) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    Sample sample;
    pid_t pid = 0;
    const long long start = nowNs();
    const int rc = posix_spawn(&pid, argp[0], &actions, nullptr, argp, lists.envp());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", argp[0], std::strerror(rc));
        return sample;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const long long end = nowNs();
    sample.exitMs = (end - start) / 1e6;
    sample.maxRssKb = usage.ru_maxrss;
    sample.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (const auto at = text.find("first-sample-ns "); at != std::string::npos) {
        sample.firstMs = (std::atoll(text.c_str() + at + 16) - start) / 1e6;
    }
    return sample;
}

using sv_harness::median;

// Start to first sample of sv playing into a private sound server, or
// nothing when there is no server to play into.
std::vector<double> playingFirstSamples(const std::string& sv, const std::string& record,
                                        int runs) {
    sv_harness::SoundServer pulse;
    std::string why;
    if (!pulse.start(why)) {
        std::fprintf(stderr, "no sound server to play into: %s\n", why.c_str());
        return {};
    }
    const std::filesystem::path runtime = std::filesystem::path(pulse.dir()) / "sv-runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    std::vector<std::string> env = pulse.clientEnv(runtime.string());
    env.push_back("SV_STAMP_FIRST_SAMPLE=1");
    std::vector<double> first;
    for (int i = 0; i <= runs; ++i) {
        sv_harness::Child player;
        if (!player.start({sv, "/I:c", "/L:1", "/V:100", "/F:" + record}, env)) {
            return {};
        }
        sv_harness::pumpUntil({&player}, 20.0,
                              [&] { return player.line("first-sample-ns") || !player.running(); });
        const auto line = player.line("first-sample-ns");
        ::kill(player.pid(), SIGUSR1);
        sv_harness::pumpUntil({&player}, 5.0, [&] { return !player.running(); });
        if (!line || !player.exitedCleanly()) {
            std::fprintf(stderr, "playing run %d of %s failed\n", i, sv.c_str());
            return {};
        }
        if (i > 0) { // the first only fills the page cache
            first.push_back((std::atoll(line->text.c_str() + 16) - player.startNs()) / 1e6);
        }
    }
    return first;
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const std::string sv =
        argc > 1 ? argv[1] : (self.parent_path().parent_path() / "bin" / "sv").string();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;

    char pattern[] = "/tmp/sv_first_sample.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path dir(pattern);
    const std::string record = dir / "lloc.dat";
    const std::string wav = dir / "out.wav";
    {
        std::string text = "Tres quarts i deu de dotze";
        text.resize(speech_protocol::kRecordSize, ' ');
        std::ofstream(record, std::ios::binary) << text;
    }
    // sv reads only a file no one else may write, whatever the umask.
    fs::permissions(record, fs::perms::owner_read | fs::perms::owner_write);

    const std::vector<std::string> svArgs{sv,       "/I:c",         "/L:1",
                                          "/V:100", "/F:" + record, "/W:" + wav};
    // One run first so the page cache holds the libraries and voice data in
    // every measured run.
    spawnAndWait(svArgs, {"SV_STAMP_FIRST_SAMPLE=1"});

    std::vector<double> first, exits, baseline;
    long maxRss = 0;
    for (int i = 0; i < runs; ++i) {
        const Sample s = spawnAndWait(svArgs, {"SV_STAMP_FIRST_SAMPLE=1"});
        if (!s.ok || s.firstMs <= 0) {
            std::fprintf(stderr, "run %d of %s failed\n", i, sv.c_str());
            fs::remove_all(dir);
            return 1;
        }
        first.push_back(s.firstMs);
        exits.push_back(s.exitMs);
        maxRss = std::max(maxRss, s.maxRssKb);
        baseline.push_back(spawnAndWait({"/bin/true"}, {}).exitMs);
    }
    const std::vector<double> playing = playingFirstSamples(sv, record, runs);
    fs::remove_all(dir);

    const auto [minIt, maxIt] = std::minmax_element(first.begin(), first.end());
    std::printf("sv: %s, %d runs, \"Tres quarts i deu de dotze\" at /L:1 into a WAV\n", sv.c_str(),
                runs);
    std::printf("  start to first audio sample: median %.2f ms (min %.2f, max %.2f)\n",
                median(first), *minIt, *maxIt);
    std::printf("  start to exit (whole phrase): median %.2f ms\n", median(exits));
    std::printf("  baseline, start to exit of /bin/true: median %.2f ms (first sample is %.1fx)\n",
                median(baseline), median(first) / median(baseline));
    std::printf("  peak resident memory of sv: %ld KiB (%.1f MiB)\n", maxRss, maxRss / 1024.0);
    if (!playing.empty()) {
        const auto [low, high] = std::minmax_element(playing.begin(), playing.end());
        std::printf("  playing, player lock taken, start to first sample handed to the sound\n"
                    "  server: median %.2f ms (min %.2f, max %.2f)\n",
                    median(playing), *low, *high);
    }
    return 0;
}
