// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/private_files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace private_files {

namespace {

constexpr char kOwnFolder[] = "quirvel-rellotge";

std::string octal(mode_t mode) {
    std::string digits;
    for (int shift = 6; shift >= 0; shift -= 3) {
        digits += static_cast<char>('0' + ((mode >> shift) & 07));
    }
    return digits;
}

// "<path> <why>", or "<path>: <the system's reason>" when lstat failed.
bool isPrivateFolder(const std::string& path, std::string& why) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    const std::string unfit = folderUnfitness(info);
    if (!unfit.empty()) {
        why = path + ' ' + unfit;
    }
    return unfit.empty();
}

// Creates the missing folders of path, each 0700, so that none is open to
// others even for a moment.
void makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos) {
            return;
        }
    }
}

std::string absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : "";
}

std::string cacheHome() {
    const std::string cache = absoluteVariable("XDG_CACHE_HOME");
    if (!cache.empty()) {
        return cache;
    }
    const std::string home = absoluteVariable("HOME");
    return home.empty() ? home : home + "/.cache";
}

} // namespace

std::string folderUnfitness(const struct stat& info) {
    if (S_ISLNK(info.st_mode)) {
        return "is a symbolic link";
    }
    if (!S_ISDIR(info.st_mode)) {
        return "is not a folder";
    }
    if (info.st_uid != ::geteuid()) {
        return "belongs to another user";
    }
    if ((info.st_mode & 077) != 0) {
        return "is open to other users (mode " + octal(info.st_mode & 0777) + ")";
    }
    return {};
}

std::string privateFolder(std::string& problem) {
    std::string why;
    const std::string runtime = absoluteVariable("XDG_RUNTIME_DIR");
    if (!runtime.empty() && isPrivateFolder(runtime, why)) {
        return runtime;
    }
    const std::string cache = cacheHome();
    if (cache.empty()) {
        problem = "neither XDG_RUNTIME_DIR nor HOME is usable";
        return {};
    }
    const std::string own = cache + '/' + kOwnFolder;
    // An existing one is checked like any other.
    makeFolders(own);
    if (isPrivateFolder(own, why)) {
        return own;
    }
    problem = why;
    return {};
}

std::string fileUnfitness(const struct stat& info) {
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

int openOwnFile(const std::string& path, Access access, mode_t newFileMode, std::string& why) {
    // Non-blocking, so that a pipe planted at the path cannot hold us; the
    // checks on what was opened then refuse it.
    const int flags = (access == Access::Read ? O_RDONLY : O_WRONLY | O_CREAT) | O_NONBLOCK |
                      O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    const int fd = ::open(path.c_str(), flags, newFileMode);
    if (fd < 0) {
        const int error = errno;
        why = error == ELOOP   ? "is a symbolic link"
              : error == ENXIO ? "is a pipe or device, not a regular file"
                               : std::strerror(error);
        return -1;
    }
    struct stat info {};
    why = ::fstat(fd, &info) != 0 ? std::strerror(errno) : fileUnfitness(info);
    if (!why.empty()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace private_files
