#include "speaker/voice.h"

#include "speaker/wav_file.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace speaker {

namespace {

// Synthesis output goes through the engine's callback, which has no room for
// our own state but the events' user data; a file-level pointer is simpler
// and there is one synthesis per process.
WavFile* gWav = nullptr;
bool gStampFirstSample = false;

int onSamples(short* samples, int count, espeak_EVENT* /*events*/) {
    if (samples == nullptr || count <= 0) {
        return 0;
    }
    if (gStampFirstSample) {
        // For the benchmark: when the first audio sample exists, on the clock
        // the benchmark started us by.
        gStampFirstSample = false;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("first-sample-ns %lld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
    }
    if (gWav != nullptr && !gWav->append(samples, static_cast<std::size_t>(count))) {
        return 1; // stop: the disk refused, finish() reports it
    }
    return 0;
}

std::string message(espeak_ng_STATUS status) {
    char text[256] = {};
    espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
    std::string line(text);
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) {
        line.pop_back();
    }
    for (char& c : line) {
        if (c == '\n') {
            c = ' ';
        }
    }
    return line;
}

// Owns the engine from a successful initialisation to the end of the scope.
class Engine final {
public:
    Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;
    ~Engine() {
        if (running_) {
            espeak_ng_Terminate();
        }
    }

    std::string start(espeak_ng_OUTPUT_MODE mode) {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        if (status != ENS_OK) {
            return "cannot start the voice: " + message(status);
        }
        running_ = true;
        status = espeak_ng_InitializeOutput(mode, 0, nullptr);
        if (status != ENS_OK) {
            return (mode & ENOUTPUT_MODE_SPEAK_AUDIO)
                       ? "no sound card: " + message(status)
                       : "cannot start the voice: " + message(status);
        }
        return {};
    }

private:
    bool running_ = false;
};

} // namespace

std::string speak(const std::string& text, const VoiceSettings& settings,
                  const std::string& wavPath) {
    const bool toFile = !wavPath.empty();
    gStampFirstSample = std::getenv("SV_STAMP_FIRST_SAMPLE") != nullptr;

    Engine engine;
    const auto mode = static_cast<espeak_ng_OUTPUT_MODE>(
        toFile ? ENOUTPUT_MODE_SYNCHRONOUS : ENOUTPUT_MODE_SYNCHRONOUS | ENOUTPUT_MODE_SPEAK_AUDIO);
    if (std::string error = engine.start(mode); !error.empty()) {
        return error;
    }
    if (const espeak_ng_STATUS status = espeak_ng_SetVoiceByName("ca"); status != ENS_OK) {
        return "no Catalan voice: " + message(status);
    }
    espeak_ng_SetParameter(espeakRATE, settings.rate, 0);
    espeak_ng_SetParameter(espeakVOLUME, settings.volume, 0);

    WavFile wav;
    if (toFile) {
        if (!wav.open(wavPath, espeak_ng_GetSampleRate())) {
            return "cannot write " + wavPath;
        }
        gWav = &wav;
    }
    espeak_SetSynthCallback(onSamples);

    // Plain text only: no SSML and no [[phoneme]] input, so whatever a
    // caption holds is read as words.
    espeak_ng_STATUS status = espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER,
                                                   0, espeakCHARS_UTF8, nullptr, nullptr);
    if (status == ENS_OK) {
        status = espeak_ng_Synchronize();
    }
    gWav = nullptr;
    if (status != ENS_OK) {
        return (toFile ? "cannot speak: " : "cannot play on the sound card: ") + message(status);
    }
    if (toFile && !wav.finish()) {
        return "cannot write " + wavPath;
    }
    return {};
}

} // namespace speaker
