// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The single-byte code page of the speech record. Plain C++ so that the
// speech program can share it without pulling in Qt.
namespace cp1252 {

// UTF-16 text to Windows-1252 bytes, one byte per character; a character the
// code page lacks becomes '?'.
std::string encode(std::u16string_view text);

// Windows-1252 bytes to UTF-8; the five unassigned bytes become U+FFFD.
std::string decodeToUtf8(std::string_view bytes);

} // namespace cp1252
