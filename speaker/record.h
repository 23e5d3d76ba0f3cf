// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/speech_protocol.h"

#include <cstddef>
#include <string>
#include <string_view>

// The scratch file the program hands over: one record of 200 bytes in
// Windows-1252, padded on the right with blanks. The file may be longer (it
// is never shortened), so only the record is read. A file written by hand or
// by a script is often UTF-8, which is read as such.
namespace speaker {

using speech_protocol::kRecordSize;

// Reads at most the first 200 bytes of the file into bytes. On failure
// returns false with a one-line reason in error. The file must be a regular
// file of ours that no one else may write (see core/private_files.h): a
// link, a pipe, a device or someone else's file is refused at once.
bool readRecord(const std::string& path, std::string& bytes, std::string& error);

// The record as UTF-8 text: decoded, control characters turned into blanks
// (the voice must get one NUL-free line), and the blank padding on the
// right removed. Leading blanks stay. A record that is well-formed UTF-8 and
// holds at least one multi-byte character is UTF-8 (its byte-order mark
// dropped, a character cut at byte 200 left out); any other is
// Windows-1252.
std::string recordText(std::string_view bytes);

} // namespace speaker
