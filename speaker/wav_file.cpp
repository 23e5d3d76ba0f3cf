// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/wav_file.h"

#include "core/private_files.h"
#include "speaker/message.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <unistd.h>

namespace speaker {

namespace {

constexpr std::uint32_t kHeaderBytes = 44;
// Read by anyone, written by us alone, as the checks on opening want it.
constexpr mode_t kNewFileMode = 0644;

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
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool WavFile::failed(const std::string& why) {
    if (error_.empty()) {
        error_ = "cannot write " + quoted(path_) + ": " + why;
    }
    return false;
}

// Straight to the file, no buffer of the C library's in between, so that a
// full disk is seen, with its reason, at the write that meets it.
bool WavFile::writeAll(const unsigned char* bytes, std::size_t size, long long at) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd_, bytes, size, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return failed(n < 0 ? systemReason(errno) : "nothing written");
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
        at += n;
    }
    return true;
}

bool WavFile::open(const std::string& path, int sampleRate) {
    path_ = path;
    std::string why;
    fd_ = private_files::openOwnFile(path, private_files::Access::Write, kNewFileMode, why);
    if (fd_ < 0) {
        return failed(why);
    }
    // Emptied only now that it passed the checks.
    if (::ftruncate(fd_, 0) != 0) {
        return failed(systemReason(errno));
    }
    if (sampleRate <= 0) {
        return failed("no sample rate");
    }
    sampleRate_ = static_cast<std::uint32_t>(sampleRate);
    const auto h = header(sampleRate_, 0);
    return writeAll(h.data(), h.size(), 0);
}

bool WavFile::append(const std::int16_t* samples, std::size_t count) {
    if (fd_ < 0 || !error_.empty()) {
        return false;
    }
    if (count > (std::numeric_limits<std::uint32_t>::max() - kHeaderBytes - dataBytes_) / 2) {
        return failed("over the 4 GiB a WAV file can hold");
    }
    // Little-endian on disk whatever the machine.
    std::array<unsigned char, 2 * 4096> buffer{};
    while (count > 0) {
        const std::size_t n = std::min<std::size_t>(count, buffer.size() / 2);
        for (std::size_t i = 0; i < n; ++i) {
            put16(&buffer[2 * i], static_cast<std::uint16_t>(samples[i]));
        }
        if (!writeAll(buffer.data(), 2 * n, kHeaderBytes + static_cast<long long>(dataBytes_))) {
            return false;
        }
        dataBytes_ += static_cast<std::uint32_t>(2 * n);
        samples += n;
        count -= n;
    }
    return true;
}

bool WavFile::finish() {
    if (fd_ < 0) {
        return false;
    }
    if (error_.empty()) {
        const auto h = header(sampleRate_, dataBytes_);
        writeAll(h.data(), h.size(), 0);
    }
    if (::close(fd_) != 0) {
        failed(systemReason(errno));
    }
    fd_ = -1;
    return error_.empty();
}

} // namespace speaker
