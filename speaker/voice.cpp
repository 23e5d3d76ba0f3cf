// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/voice.h"

#include "speaker/breath.h"
#include "speaker/sound_card.h"
#include "speaker/watchdog.h"
#include "speaker/wav_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace speaker {

namespace {

// Synthesis output goes through the engine's callback, which has no room for
// our own state but the events' user data; file-level pointers are simpler
// and there is one synthesis at a time.
WavFile* gWav = nullptr;
SoundCard* gCard = nullptr;
std::vector<std::int16_t>* gMemory = nullptr;
bool gStampFirstSample = false;

int onSamples(short* samples, int count, espeak_EVENT* /*events*/) {
    // Called for every buffer the engine makes, and, when playing, only once
    // the sound system took the one before: progress either way.
    feedWatchdog();
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
    const auto n = static_cast<std::size_t>(count);
    if (gMemory != nullptr) {
        gMemory->insert(gMemory->end(), samples, samples + n);
    }
    if (gWav != nullptr && !gWav->append(samples, n)) {
        return 1; // stop: the disk refused, finish() reports it
    }
    if (gCard != nullptr && !gCard->write(samples, n)) {
        return 1; // stop: the sound system refused, finish() reports it
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

    // Synchronous, without the engine's own audio: every buffer comes
    // through onSamples.
    std::string start() {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        if (status != ENS_OK) {
            return "cannot start the voice: " + message(status);
        }
        running_ = true;
        status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        if (status != ENS_OK) {
            return "cannot start the voice: " + message(status);
        }
        if (status = espeak_ng_SetVoiceByName("ca"); status != ENS_OK) {
            return "no Catalan voice: " + message(status);
        }
        espeak_SetSynthCallback(onSamples);
        return {};
    }

private:
    bool running_ = false;
};

// The engine's phonemes for a run of words, clause after clause should it
// find more than one.
std::string enginePhonemes(std::string_view words) {
    const std::string text(words);
    const void* at = text.c_str();
    std::string phonemes;
    // Each call moves `at` past at least one character; the bound only
    // guards against an engine that would not.
    for (std::size_t calls = 0; at != nullptr && calls <= text.size(); ++calls) {
        const char* clause = espeak_TextToPhonemes(&at, espeakCHARS_UTF8, 0);
        if (clause == nullptr) {
            break;
        }
        if (!phonemes.empty()) {
            phonemes += ' ';
        }
        phonemes += clause;
    }
    return phonemes;
}

// The prepared text, each clause in one breath (breath.h). Phoneme input
// ("[[...]]") comes only from there and from the respellings: mendWords
// keeps square brackets out of the caption. No SSML.
espeak_ng_STATUS synthesize(const std::string& text) {
    const std::string input = inOneBreath(text, enginePhonemes);
    const espeak_ng_STATUS status =
        espeak_ng_Synthesize(input.c_str(), input.size() + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8 | espeakPHONEMES, nullptr, nullptr);
    return status == ENS_OK ? espeak_ng_Synchronize() : status;
}

// The phoneme output of one synthesis on one line.
std::string oneLine(const std::string& lines) {
    std::string line;
    for (const char c : lines) {
        const bool blank = c == ' ' || c == '\n' || c == '\t';
        if (!blank) {
            line += c;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    if (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

} // namespace

std::string speak(const std::string& text, const VoiceSettings& settings,
                  const std::string& wavPath) {
    const bool toFile = !wavPath.empty();
    gStampFirstSample = std::getenv("SV_STAMP_FIRST_SAMPLE") != nullptr;

    Engine engine;
    if (std::string error = engine.start(); !error.empty()) {
        return error;
    }
    espeak_ng_SetParameter(espeakRATE, settings.rate, 0);
    espeak_ng_SetParameter(espeakVOLUME, settings.volume, 0);

    WavFile wav;
    SoundCard card;
    if (toFile) {
        if (!wav.open(wavPath, espeak_ng_GetSampleRate())) {
            return wav.error();
        }
        gWav = &wav;
    } else {
        if (std::string error = card.open(espeak_ng_GetSampleRate()); !error.empty()) {
            return "cannot play on the sound card: " + error;
        }
        gCard = &card;
    }
    const espeak_ng_STATUS status = synthesize(text);
    gWav = nullptr;
    gCard = nullptr;
    if (toFile) {
        // A refused write stops the synthesis, and the engine then reports
        // only that it was stopped: the file's own reason is the one to give.
        if (!wav.error().empty()) {
            return wav.error();
        }
        if (status != ENS_OK) {
            return "cannot speak: " + message(status);
        }
        return wav.finish() ? std::string() : wav.error();
    }
    std::string error = card.finish();
    if (error.empty() && status != ENS_OK) {
        error = message(status);
    }
    return error.empty() ? error : "cannot play on the sound card: " + error;
}

std::string transcribe(const std::vector<std::string>& texts, std::vector<std::string>& ipa) {
    ipa.clear();
    Engine engine;
    if (std::string error = engine.start(); !error.empty()) {
        return error;
    }
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* trace = open_memstream(&buffer, &size);
    if (trace == nullptr) {
        return "cannot keep the phonemes in memory";
    }
    espeak_SetPhonemeTrace(espeakPHONEMES_IPA, trace);
    std::string error;
    for (const std::string& text : texts) {
        const std::size_t before = size;
        if (const espeak_ng_STATUS status = synthesize(text); status != ENS_OK) {
            error = "cannot speak: " + message(status);
            break;
        }
        std::fflush(trace);
        ipa.push_back(oneLine(std::string(buffer + before, size - before)));
    }
    espeak_SetPhonemeTrace(0, nullptr);
    std::fclose(trace);
    std::free(buffer);
    return error;
}

std::string render(const std::vector<std::string>& texts, const VoiceSettings& settings,
                   std::vector<std::vector<std::int16_t>>& sounds, int& sampleRate) {
    sounds.clear();
    Engine engine;
    if (std::string error = engine.start(); !error.empty()) {
        return error;
    }
    espeak_ng_SetParameter(espeakRATE, settings.rate, 0);
    espeak_ng_SetParameter(espeakVOLUME, settings.volume, 0);
    sampleRate = espeak_ng_GetSampleRate();
    std::string error;
    for (const std::string& text : texts) {
        std::vector<std::int16_t>& sound = sounds.emplace_back();
        gMemory = &sound;
        if (const espeak_ng_STATUS status = synthesize(text); status != ENS_OK) {
            error = "cannot speak: " + message(status);
            break;
        }
    }
    gMemory = nullptr;
    return error;
}

} // namespace speaker
