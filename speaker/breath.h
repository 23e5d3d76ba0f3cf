// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Each clause in one breath. Given plain text, the engine pauses before the
// conjunction "i" when two words or more come before it in the clause ("Les
// dotze … i vint"), 190 ms at the rate children hear, where a reader pauses
// only at the punctuation. So sv takes the engine's own phonemes for the words, drops the
// pauses it put between them, and hands each clause back as phoneme input,
// the punctuation between clauses kept as written so that the comma still
// pauses and the intonation still falls or rises.
namespace speaker {

// The engine's phonemes, in its own ASCII names, for a run of words without
// punctuation or phoneme input.
using Translate = std::function<std::string(std::string_view)>;

// What the engine is given for a prepared text (see mend.h): each clause
// "[[...]]" followed by the punctuation and blanks that ended it. A text that
// holds anything but words, blanks, apostrophes, hyphens and clause
// punctuation (digits, symbols, brackets), or whose phonemes hold something
// other than phonemes, stress marks and pauses, is returned unchanged: the
// engine reads it as plain text, its respellings included.
std::string inOneBreath(std::string_view prepared, const Translate& translate);

} // namespace speaker
