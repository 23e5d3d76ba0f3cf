// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

// Text fixes applied before synthesis. Pure string work on UTF-8, no engine,
// so the table can be checked without audio.
namespace speaker {

// Spells out a leading time key "HH.MM" (hours 01 to 12, minutes 00 to 59) as
// words, "12.15 Un quart d'una" becoming "dotze quinze, Un quart d'una";
// anything else is returned unchanged.
std::string spellTimeKey(std::string_view text);

// Respells, as whole words, the words the Catalan voice says otherwise than
// Central Catalan does. Most take a letter or an accent that steers the
// voice and keep the case they had; the compound numbers ("vint-i-cinc")
// become the engine's phoneme input, the only way to give them one main
// stress. Square brackets already in the text turn into round ones, so a
// caption can never reach phoneme input itself.
std::string mendWords(std::string_view text);

// Both of the above: what the voice is actually given.
std::string prepareForSpeech(std::string_view text);

// One respelling: a word, or a compound number whose parts a hyphen or one
// blank joins, and what the voice is given instead.
struct Respelling {
    std::string_view word; // lower case ASCII
    std::string_view said; // UTF-8 text, or [[phonemes]]
};

// All of them, compounds first.
std::span<const Respelling> respellings();

} // namespace speaker
