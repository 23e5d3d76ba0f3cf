#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The scratch file the program hands over: one record of 200 bytes in
// Windows-1252, padded on the right with blanks. The file may be longer (it
// is never shortened), so only the record is read.
namespace speaker {

inline constexpr std::size_t kRecordSize = 200;

// Reads at most the first 200 bytes of a regular file into bytes. On failure
// returns false with a one-line reason in error. Never blocks on a pipe or a
// device: anything but a regular file is refused.
bool readRecord(const std::string& path, std::string& bytes, std::string& error);

// The record as UTF-8 text: decoded, control characters turned into blanks
// (the voice must get one NUL-free line), and the blank padding on the
// right removed. Leading blanks stay.
std::string recordText(std::string_view bytes);

} // namespace speaker
