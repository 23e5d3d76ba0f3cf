// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/record.h"

#include "core/cp1252.h"
#include "core/private_files.h"
#include "speaker/message.h"
#include "speaker/utf8.h"

#include <cerrno>
#include <unistd.h>

namespace speaker {

namespace {

constexpr std::string_view kReplacement{"\xEF\xBF\xBD"};
constexpr std::string_view kByteOrderMark{"\xEF\xBB\xBF"};

// How many bytes of the record to read as UTF-8, or 0 to read it as
// Windows-1252: all of it when it is well-formed UTF-8 holding at least one
// multi-byte sequence. A Catalan letter in Windows-1252 is one byte of 0x80
// or more between ASCII ones, which is never well-formed UTF-8. A full
// record may end in a character cut by the 200-byte limit; that tail is left
// out rather than taking the whole text for Windows-1252.
std::size_t utf8Length(std::string_view bytes) {
    bool multiByte = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const int length = utf8SequenceLength(bytes.substr(i));
        if (length < 0 && bytes.size() == kRecordSize) {
            break;
        }
        if (length <= 0) {
            return 0;
        }
        multiByte = multiByte || length > 1;
        i += static_cast<std::size_t>(length);
    }
    return multiByte ? i : 0;
}

std::string reason(const std::string& path, const std::string& why) {
    return "cannot read " + quoted(path) + ": " + why;
}

} // namespace

bool readRecord(const std::string& path, std::string& bytes, std::string& error) {
    std::string why;
    const int fd = private_files::openOwnFile(path, private_files::Access::Read, 0, why);
    if (fd < 0) {
        error = reason(path, why);
        return false;
    }
    bytes.assign(kRecordSize, '\0');
    std::size_t got = 0;
    while (got < kRecordSize) {
        const ssize_t n = ::read(fd, bytes.data() + got, kRecordSize - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = reason(path, systemReason(errno));
            ::close(fd);
            return false;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return true;
}

std::string recordText(std::string_view bytes) {
    bytes = bytes.substr(0, kRecordSize);
    const std::size_t utf8 = utf8Length(bytes);
    const std::string decoded =
        utf8 > 0 ? std::string(bytes.substr(0, utf8)) : cp1252::decodeToUtf8(bytes);
    std::string text;
    text.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const auto c = static_cast<unsigned char>(decoded[i]);
        const auto next = i + 1 < decoded.size() ? static_cast<unsigned char>(decoded[i + 1]) : 0;
        // The five unassigned bytes decode to U+FFFD, which the voice would
        // announce in another language; they carry nothing to say.
        if (decoded.compare(i, kReplacement.size(), kReplacement) == 0) {
            text += ' ';
            i += kReplacement.size() - 1;
        } else if (decoded.compare(i, kByteOrderMark.size(), kByteOrderMark) == 0) {
            // Editors put it at the start of UTF-8 files; it is not text.
            i += kByteOrderMark.size() - 1;
        } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            text += ' '; // a C1 control character, from a UTF-8 record only
            ++i;
        } else if (c < 0x20 || c == 0x7f) {
            text += ' ';
        } else {
            text += decoded[i];
        }
    }
    const std::size_t last = text.find_last_not_of(' ');
    text.resize(last == std::string::npos ? 0 : last + 1);
    return text;
}

} // namespace speaker
