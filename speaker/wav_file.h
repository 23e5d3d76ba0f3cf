#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace speaker {

// A 16-bit mono PCM WAV file written as the samples arrive. The sizes in the
// header are filled in by finish().
class WavFile final {
public:
    WavFile() = default;
    WavFile(const WavFile&) = delete;
    WavFile& operator=(const WavFile&) = delete;
    ~WavFile();

    // Creates (or truncates) the file and writes a header; false on failure.
    bool open(const std::string& path, int sampleRate);
    bool append(const std::int16_t* samples, std::size_t count);
    // Writes the final sizes and closes; false if anything failed on the way.
    bool finish();

    std::uint32_t dataBytes() const { return dataBytes_; }

private:
    std::FILE* file_ = nullptr;
    std::uint32_t sampleRate_ = 0;
    std::uint32_t dataBytes_ = 0;
    bool ok_ = true;
};

} // namespace speaker
