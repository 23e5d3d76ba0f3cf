// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/sound_card.h"

#include <pcaudiolib/audio.h>

namespace speaker {

namespace {

std::string reason(audio_object* device, int error) {
    const char* text = audio_object_strerror(device, error);
    return text != nullptr && *text != '\0' ? text : "error " + std::to_string(error);
}

} // namespace

SoundCard::~SoundCard() {
    if (device_ != nullptr) {
        if (open_) {
            audio_object_close(device_);
        }
        audio_object_destroy(device_);
    }
}

std::string SoundCard::open(int sampleRate) {
    device_ = create_audio_device_object(nullptr, "sv", "Catalan speech");
    if (device_ == nullptr) {
        return "no sound output found";
    }
    const int error = audio_object_open(device_, AUDIO_OBJECT_FORMAT_S16LE,
                                        static_cast<std::uint32_t>(sampleRate), 1);
    if (error != 0) {
        return reason(device_, error);
    }
    open_ = true;
    return {};
}

bool SoundCard::write(const std::int16_t* samples, std::size_t count) {
    if (!open_) {
        return false;
    }
    const int error = audio_object_write(device_, samples, count * sizeof *samples);
    if (error != 0) {
        error_ = reason(device_, error);
        return false;
    }
    return true;
}

std::string SoundCard::finish() {
    if (!open_) {
        return error_.empty() ? "not open" : error_;
    }
    if (const int error = audio_object_drain(device_); error != 0) {
        return reason(device_, error);
    }
    return error_;
}

} // namespace speaker
