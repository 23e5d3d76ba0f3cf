// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The Catalan voice of libespeak-ng. The engine cannot be started twice in
// one process (a second start hangs its first synthesis), so a process calls
// speak(), transcribe() or render() once.
namespace speaker {

struct VoiceSettings {
    int rate = 175;   // words a minute
    int volume = 100; // the engine's scale, 100 normal
};

// Speaks UTF-8 text, as prepareForSpeech() leaves it, on the sound card, or
// into wavPath when it is not empty, each clause in one breath (breath.h).
// Returns an empty string when it spoke, otherwise a one-line reason.
std::string speak(const std::string& text, const VoiceSettings& settings,
                  const std::string& wavPath);

// What the voice says for each text, in IPA, one line each: the engine's
// own phoneme output of the very synthesis speak() runs, clauses joined by a
// blank. Returns an empty string, or a one-line reason.
std::string transcribe(const std::vector<std::string>& texts, std::vector<std::string>& ipa);

// The sound speak() would make of each text, 16-bit mono samples at
// sampleRate, kept in memory. Returns an empty string, or a one-line reason.
std::string render(const std::vector<std::string>& texts, const VoiceSettings& settings,
                   std::vector<std::vector<std::int16_t>>& sounds, int& sampleRate);

} // namespace speaker
