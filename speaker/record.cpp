#include "speaker/record.h"

#include "core/cp1252.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace speaker {

namespace {

constexpr std::string_view kReplacement{"\xEF\xBF\xBD"};

std::string reason(const std::string& path, const char* what) {
    return "cannot read " + path + ": " + what;
}

} // namespace

bool readRecord(const std::string& path, std::string& bytes, std::string& error) {
    // O_NONBLOCK so that opening a FIFO by mistake cannot hang us before the
    // regular-file check below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = reason(path, std::strerror(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = reason(path, "not a regular file");
        ::close(fd);
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
            error = reason(path, std::strerror(errno));
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
    const std::string decoded = cp1252::decodeToUtf8(bytes.substr(0, kRecordSize));
    std::string text;
    text.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const auto c = static_cast<unsigned char>(decoded[i]);
        // The five unassigned bytes decode to U+FFFD, which the voice would
        // announce in another language; they carry nothing to say.
        if (decoded.compare(i, kReplacement.size(), kReplacement) == 0) {
            text += ' ';
            i += kReplacement.size() - 1;
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
