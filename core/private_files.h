// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <sys/stat.h>

// Where the clock program and sv keep the files another user must never
// read, write or make us block on: the scratch file, the player lock, and
// the files sv is handed. Plain C++, shared with sv, which does not link Qt.
namespace private_files {

// Why a folder, as lstat or fstat saw it, is not one only we can enter (a
// folder, not a link, ours, no bits for group or others); empty when it is.
std::string folderUnfitness(const struct stat& info);

// Our private folder: $XDG_RUNTIME_DIR when it is such a folder; otherwise
// "quirvel-rellotge" in $XDG_CACHE_HOME or $HOME/.cache, created 0700 (and
// any missing folder above it) and checked the same way at every call.
// Never a shared folder: empty, with the reason in problem, when neither is
// safe.
std::string privateFolder(std::string& problem);

// Why an open file, as fstat saw it, is not one of ours that no one else may
// write (a regular file, ours, no write bits for group or others); empty
// when it is.
std::string fileUnfitness(const struct stat& info);

enum class Access {
    Read,
    Write, // created with newFileMode when missing, never shortened
};

// Opens path without blocking and without following a symbolic link, and
// keeps it only when fileUnfitness() finds nothing in what was opened: a
// link, a pipe, a device, a folder or someone else's file is refused at
// once. The descriptor (close-on-exec), or -1 with the reason in why.
int openOwnFile(const std::string& path, Access access, mode_t newFileMode, std::string& why);

} // namespace private_files
