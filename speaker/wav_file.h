// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
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

    // Creates or empties the file, only a regular file of ours (see
    // core/private_files.h), and writes a header; false on failure.
    bool open(const std::string& path, int sampleRate);
    bool append(const std::int16_t* samples, std::size_t count);
    // Writes the final sizes and closes; false if anything failed on the way.
    bool finish();

    std::uint32_t dataBytes() const { return dataBytes_; }
    // The first failure as one line, "cannot write '<path>': <reason>", or
    // empty.
    const std::string& error() const { return error_; }

private:
    bool writeAll(const unsigned char* bytes, std::size_t size, long long at);
    bool failed(const std::string& why);

    int fd_ = -1;
    std::string path_;
    std::uint32_t sampleRate_ = 0;
    std::uint32_t dataBytes_ = 0;
    std::string error_;
};

} // namespace speaker
