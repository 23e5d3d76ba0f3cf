// SPDX-License-Identifier: GPL-3.0-or-later
// sv's record reader and decoder: the input is the whole scratch file.
//
// Properties:
// - readRecord gives exactly the file's first 200 bytes (fewer when the
//   file is shorter), whatever follows them.
// - recordText depends on those 200 bytes only, and blank padding means
//   nothing: a record padded to 200 bytes says what it says unpadded.
// - Its text is well-formed UTF-8, holds no control character (C0, DEL or
//   C1), no U+FFFD and no byte-order mark, and does not end in a blank; it
//   has at most one character for each byte of the record, so at most 200,
//   and at most three bytes for each (a Windows-1252 byte becomes at most
//   a three-byte character).
// - A record of printable ASCII is its own text, less the blanks on the
//   right; one that holds other ASCII has each control character as a blank.
// - The text read again as a record (when it fits in one) is the same
//   text: UTF-8 is recognised, so decoding never changes it twice.
#include "speaker/record.h"
#include "speaker/utf8.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

void broken(const char* what, std::string_view record, const std::string& text) {
    std::fprintf(stderr, "broken: %s\n  record (%zu bytes):", what, record.size());
    for (const char c : record) {
        std::fprintf(stderr, " %02X", static_cast<unsigned char>(c));
    }
    std::fprintf(stderr, "\n  text \"%s\"\n", text.c_str());
    std::abort();
}

std::string withoutBlanksOnTheRight(std::string text) {
    const std::size_t last = text.find_last_not_of(' ');
    text.resize(last == std::string::npos ? 0 : last + 1);
    return text;
}

bool hasBadCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const int length = speaker::utf8SequenceLength(text.substr(i));
        const std::string_view one = text.substr(i, static_cast<std::size_t>(length));
        const auto lead = static_cast<unsigned char>(one[0]);
        if (lead < 0x20 || lead == 0x7F ||
            (lead == 0xC2 && static_cast<unsigned char>(one[1]) <= 0x9F) || one == "\xEF\xBF\xBD" ||
            one == "\xEF\xBB\xBF") {
            return true;
        }
        i += one.size();
    }
    return false;
}

std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return n;
}

// A scratch file in a folder of our own, made once and rewritten for each
// input.
struct Scratch {
    std::string path;
    int fd = -1;
};

// Never destroyed, so that it outlives the clean-up at exit.
const Scratch& scratch() {
    static const Scratch& file = *[] {
        // In memory where there is such a folder: on a disk, truncating and
        // writing the file for each input takes longer than all the rest.
        char shared[] = "/dev/shm/fuzz_sv_record.XXXXXX";
        char temporary[] = "/tmp/fuzz_sv_record.XXXXXX";
        char* folder = ::access("/dev/shm", W_OK) == 0 ? shared : temporary;
        auto* made = new Scratch;
        if (::mkdtemp(folder) != nullptr) {
            made->path = std::string(folder) + "/lloc.dat";
            made->fd = ::open(made->path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        }
        if (made->fd < 0) {
            std::perror("scratch file");
            std::abort();
        }
        std::atexit([] {
            const std::string& path = scratch().path;
            ::unlink(path.c_str());
            ::rmdir(path.substr(0, path.rfind('/')).c_str());
        });
        return made;
    }();
    return file;
}

void checkReader(std::string_view file) {
    const Scratch& at = scratch();
    if (::ftruncate(at.fd, 0) != 0 ||
        ::pwrite(at.fd, file.data(), file.size(), 0) != static_cast<ssize_t>(file.size())) {
        std::perror(at.path.c_str());
        std::abort();
    }
    const std::string& path = at.path;
    std::string bytes;
    std::string error;
    if (!speaker::readRecord(path, bytes, error) || bytes != file.substr(0, speaker::kRecordSize)) {
        broken("the reader did not give the first 200 bytes", file, error);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    checkReader(file);

    const std::string_view record = file.substr(0, speaker::kRecordSize);
    const std::string text = speaker::recordText(file);
    if (file.size() > record.size() && speaker::recordText(record) != text) {
        broken("the bytes past the record changed the text", file, text);
    }
    if (record.size() < speaker::kRecordSize) {
        std::string padded(record);
        padded.resize(speaker::kRecordSize, ' ');
        if (speaker::recordText(padded) != text) {
            broken("padding changed the text", record, speaker::recordText(padded));
        }
    }
    if (!speaker::isUtf8(text)) {
        broken("not UTF-8", record, text);
    }
    if (hasBadCharacter(text)) {
        broken("a control character, U+FFFD or a byte-order mark", record, text);
    }
    if (!text.empty() && text.back() == ' ') {
        broken("a blank on the right", record, text);
    }
    if (characters(text) > record.size() || text.size() > 3 * record.size()) {
        broken("longer than the record allows", record, text);
    }
    bool ascii = true;
    std::string asAscii;
    for (const char c : record) {
        const auto b = static_cast<unsigned char>(c);
        ascii = ascii && b < 0x80;
        asAscii += b < 0x20 || b == 0x7F ? ' ' : c;
    }
    if (ascii && text != withoutBlanksOnTheRight(asAscii)) {
        broken("ASCII is not its own text", record, text);
    }
    if (text.size() <= speaker::kRecordSize && speaker::recordText(text) != text) {
        broken("decoding the text again changed it", record, speaker::recordText(text));
    }
    return 0;
}
