#include "speaker/own_file.h"

#include "speaker/message.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace speaker {

namespace {

// Read by anyone, written by us alone, as the checks below want it.
constexpr mode_t kNewFileMode = 0644;

std::string unfitness(const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return S_ISDIR(info.st_mode) ? "is a folder, not a regular file" : "is not a regular file";
    }
    if (info.st_uid != ::geteuid()) {
        return "belongs to another user";
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return "can be written by other users";
    }
    return {};
}

} // namespace

int openOwnFile(const std::string& path, Access access, std::string& why) {
    const int flags = (access == Access::Read ? O_RDONLY : O_WRONLY | O_CREAT) | O_NONBLOCK |
                      O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    const int fd = ::open(path.c_str(), flags, kNewFileMode);
    if (fd < 0) {
        const int error = errno;
        why = error == ELOOP   ? "is a symbolic link"
              : error == ENXIO ? "is a pipe or device, not a regular file"
                               : systemReason(error);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        why = systemReason(errno);
    } else {
        why = unfitness(info);
    }
    if (why.empty() && access == Access::Write && ::ftruncate(fd, 0) != 0) {
        why = systemReason(errno);
    }
    if (!why.empty()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace speaker
