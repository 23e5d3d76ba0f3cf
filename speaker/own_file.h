#pragma once

#include <string>

// The files sv reads and writes (/F: and /W:) are taken only when they are
// regular files of ours that no one else may write, the checks the clock
// program applies to the scratch file it writes: another user must not be
// able to choose what is said, make sv block on a pipe, or steer a write
// through a symbolic link.
namespace speaker {

enum class Access { Read, Write };

// Opens path without blocking and without following a symbolic link (for
// writing, created 0644 when missing; an existing file is emptied only once
// it passed the checks). Returns the descriptor, or -1 with the reason in
// why: the system's own, or what made the file unfit.
int openOwnFile(const std::string& path, Access access, std::string& why);

} // namespace speaker
