// SPDX-License-Identifier: GPL-3.0-or-later
// sv: the speech program. Reads the text the clock program left in its
// scratch file and says it with the Catalan voice.

#include "core/speech_protocol.h"
#include "generated/build_info.h"
#include "speaker/mend.h"
#include "speaker/message.h"
#include "speaker/options.h"
#include "speaker/player_lock.h"
#include "speaker/record.h"
#include "speaker/voice.h"
#include "speaker/watchdog.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Where our own messages go while the engine's stderr is silenced.
int gStderr = STDERR_FILENO;

void onWatchdog(int) {
    static constexpr char kLine[] = "sv: gave up: the voice or the sound system is stuck\n";
    [[maybe_unused]] const ssize_t n = ::write(gStderr, kLine, sizeof kLine - 1);
    ::_exit(kExitFailed);
}

// A newer request took over. The sound system drops our stream when our
// connection closes, so ending here and now is what silences us.
void onStopped(int) {
    ::_exit(0);
}

// The engine and the sound libraries under it print several lines of their
// own when, say, there is no sound card. The caller gets one line from us
// instead, so their stderr goes to /dev/null while the voice runs.
class QuietStderr final {
public:
    QuietStderr() {
        std::fflush(stderr);
        saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0 && ::dup2(null, STDERR_FILENO) >= 0) {
            gStderr = saved_;
        }
        if (null >= 0) {
            ::close(null);
        }
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;
    ~QuietStderr() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, STDERR_FILENO);
            gStderr = STDERR_FILENO;
            ::close(saved_);
        }
    }

private:
    int saved_ = -1;
};

void warn(const std::string& reason) {
    std::fprintf(stderr, "sv: %s\n", speaker::oneLine(reason).c_str());
}

int fail(int code, const std::string& reason) {
    warn(reason);
    return code;
}

} // namespace

int main(int argc, char** argv) {
    // Only a run that is about to play may be stopped, and it says so below:
    // one that writes a WAV or prints IPA never is.
    std::signal(speaker::kStopSignal, SIG_IGN);

    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
        std::printf("%s%s\n", speech_protocol::kVersionBanner, build_info::kVersion);
        return 0;
    }
    speaker::Options options;
    std::string error;
    if (!speaker::parseOptions(args, options, error)) {
        return fail(kExitUsage, error);
    }
    if (options.help) {
        std::fputs(speaker::usage(), stdout);
        return 0;
    }

    std::signal(SIGALRM, onWatchdog);
    speaker::armWatchdog();

    std::string record;
    if (!speaker::readRecord(options.file, record, error)) {
        return fail(kExitFailed, error);
    }
    const std::string text = speaker::recordText(record);
    if (text.find_first_not_of(' ') == std::string::npos) {
        return fail(kExitFailed,
                    "nothing to say: " + speaker::quoted(options.file) + " holds only blanks");
    }

    const std::string prepared = speaker::prepareForSpeech(text);
    if (options.ipa) {
        std::vector<std::string> ipa;
        {
            const QuietStderr quiet;
            error = speaker::transcribe({prepared}, ipa);
        }
        if (!error.empty() || ipa.empty()) {
            return fail(kExitFailed, error.empty() ? "no phonemes" : error);
        }
        std::printf("%s\n", ipa.front().c_str());
        return 0;
    }

    speaker::PlayerLock lock;
    if (options.wav.empty()) {
        struct sigaction stop {};
        stop.sa_handler = onStopped;
        sigemptyset(&stop.sa_mask);
        ::sigaction(speaker::kStopSignal, &stop, nullptr);
        const bool stamp = std::getenv("SV_STAMP_STOP") != nullptr;
        std::string problem;
        const std::string path = speaker::lockFilePath(problem);
        if (path.empty()) {
            warn(problem + ": playing without it, so older requests play on");
        } else if (lock.claim(path, stamp) == speaker::PlayerLock::Outcome::Yield) {
            return 0;
        } else if (!lock.problem().empty()) {
            warn(lock.problem());
        }
    }

    const speaker::VoiceSettings settings{speaker::kRates[options.level - 1], options.volume};
    {
        const QuietStderr quiet;
        error = speaker::speak(prepared, settings, options.wav);
    }
    if (!error.empty()) {
        return fail(kExitFailed, error);
    }
    return 0;
}
