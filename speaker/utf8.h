// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace speaker {

// The length of the well-formed UTF-8 sequence at the start of bytes (no
// overlong forms, no surrogates, nothing past U+10FFFF), or 0. A sequence
// the end of bytes cuts short gives the negative of what it has.
int utf8SequenceLength(std::string_view bytes);

// Whether all of bytes is well-formed UTF-8.
bool isUtf8(std::string_view bytes);

} // namespace speaker
