#pragma once

#include <string>

// The Catalan voice of libespeak-ng.
namespace speaker {

struct VoiceSettings {
    int rate = 175;   // words a minute
    int volume = 100; // the engine's scale, 100 normal
};

// Speaks UTF-8 text on the sound card, or into wavPath when it is not empty.
// Returns an empty string when it spoke, otherwise a one-line reason.
std::string speak(const std::string& text, const VoiceSettings& settings,
                  const std::string& wavPath);

} // namespace speaker
