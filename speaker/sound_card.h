// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct audio_object;

namespace speaker {

// The default sound output, reached the way the engine's own output would
// reach it (PulseAudio, else ALSA). sv feeds it itself rather than let the
// engine play, so that it sees each buffer as it goes out.
class SoundCard final {
public:
    SoundCard() = default;
    SoundCard(const SoundCard&) = delete;
    SoundCard& operator=(const SoundCard&) = delete;
    ~SoundCard();

    // 16-bit mono at sampleRate. Returns an empty string, or a one-line reason.
    std::string open(int sampleRate);
    // Blocks while the sound system's buffer is full; false on failure.
    bool write(const std::int16_t* samples, std::size_t count);
    // Waits until everything written has been played.
    std::string finish();
    // Why write() failed.
    const std::string& error() const { return error_; }

private:
    audio_object* device_ = nullptr;
    bool open_ = false;
    std::string error_;
};

} // namespace speaker
