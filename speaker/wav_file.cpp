#include "speaker/wav_file.h"

#include <algorithm>
#include <array>
#include <limits>

namespace speaker {

namespace {

constexpr std::uint32_t kHeaderBytes = 44;

void put16(unsigned char* at, std::uint32_t value) {
    at[0] = static_cast<unsigned char>(value & 0xff);
    at[1] = static_cast<unsigned char>((value >> 8) & 0xff);
}

void put32(unsigned char* at, std::uint32_t value) {
    put16(at, value & 0xffff);
    put16(at + 2, value >> 16);
}

std::array<unsigned char, kHeaderBytes> header(std::uint32_t sampleRate, std::uint32_t dataBytes) {
    std::array<unsigned char, kHeaderBytes> h{'R', 'I', 'F', 'F', 0,   0,   0,   0, 'W', 'A', 'V',
                                              'E', 'f', 'm', 't', ' ', 16,  0,   0, 0,   1,   0,
                                              1,   0,   0,   0,   0,   0,   0,   0, 0,   0,   2,
                                              0,   16,  0,   'd', 'a', 't', 'a', 0, 0,   0,   0};
    put32(&h[4], kHeaderBytes - 8 + dataBytes);
    put32(&h[24], sampleRate);
    put32(&h[28], sampleRate * 2); // bytes a second: mono, two bytes a sample
    put32(&h[40], dataBytes);
    return h;
}

} // namespace

WavFile::~WavFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool WavFile::open(const std::string& path, int sampleRate) {
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr || sampleRate <= 0) {
        return ok_ = false;
    }
    const auto h = header(static_cast<std::uint32_t>(sampleRate), 0);
    ok_ = std::fwrite(h.data(), 1, h.size(), file_) == h.size();
    sampleRate_ = static_cast<std::uint32_t>(sampleRate);
    return ok_;
}

bool WavFile::append(const std::int16_t* samples, std::size_t count) {
    if (file_ == nullptr || !ok_) {
        return false;
    }
    if (count > (std::numeric_limits<std::uint32_t>::max() - kHeaderBytes - dataBytes_) / 2) {
        return ok_ = false;
    }
    // Little-endian on disk whatever the machine.
    std::array<unsigned char, 2 * 512> buffer{};
    while (count > 0) {
        const std::size_t n = std::min<std::size_t>(count, buffer.size() / 2);
        for (std::size_t i = 0; i < n; ++i) {
            put16(&buffer[2 * i], static_cast<std::uint16_t>(samples[i]));
        }
        if (std::fwrite(buffer.data(), 1, 2 * n, file_) != 2 * n) {
            return ok_ = false;
        }
        dataBytes_ += static_cast<std::uint32_t>(2 * n);
        samples += n;
        count -= n;
    }
    return true;
}

bool WavFile::finish() {
    if (file_ == nullptr) {
        return false;
    }
    if (ok_) {
        const auto h = header(sampleRate_, dataBytes_);
        ok_ = std::fseek(file_, 0, SEEK_SET) == 0 &&
              std::fwrite(h.data(), 1, h.size(), file_) == h.size();
    }
    ok_ = std::fclose(file_) == 0 && ok_;
    file_ = nullptr;
    return ok_;
}

} // namespace speaker
