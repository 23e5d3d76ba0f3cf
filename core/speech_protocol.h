// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// What the clock program and its speech program sv agree on. Plain C++, so
// that sv, which does not link Qt, includes it too.
namespace speech_protocol {

// The text handed over: one record of this many bytes at the start of the
// scratch file, Windows-1252, blank padded on the right.
inline constexpr std::size_t kRecordSize = 200;

// How our sv's --version answer begins, the version following; a program of
// the same name that answers otherwise is someone else's.
inline constexpr char kVersionBanner[] = "sv (quirvel-rellotge) ";

} // namespace speech_protocol
