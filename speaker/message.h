// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// sv's messages are one line each on a terminal that may be a child's: no
// raw control characters, no endless arguments echoed back.
namespace speaker {

// How many characters of an argument a message quotes.
inline constexpr std::size_t kQuotedCharacters = 80;

// The argument between single quotes, escaped as oneLine() does and with
// backslashes doubled; cut after 80 characters with "..." after the quote.
std::string quoted(std::string_view argument);

// The text on one line that a terminal shows as it is: tabs, line ends and
// other control characters (C1 ones too) and bytes that are not part of
// well-formed UTF-8 written as \t, \n, \r or \xHH.
std::string oneLine(std::string_view text);

// The system's reason for an error number ("No space left on device").
std::string systemReason(int error);

} // namespace speaker
