// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The command line: /I:<lang> /L:<level> /V:<volume> /F:<file> [/W:<file.wav>]
// [--ipa].
namespace speaker {

struct Options {
    bool help = false;
    bool ipa = false; // --ipa: print what would be said, in IPA, instead
    int level = 1;    // 1 to 5, see kRates
    int volume = 100; // the engine's scale: 100 is normal
    std::string file; // /F:
    std::string wav;  // /W:, empty to play on the sound card
};

inline constexpr int kMaxLevel = 5;
inline constexpr int kMaxVolume = 200;

// Words per minute for the levels 1 to 5. Level 1 is what the program asks
// for: slow and clear for a child who is learning the phrases.
inline constexpr int kRates[kMaxLevel] = {125, 150, 175, 200, 225};

// Parses the arguments after the program name. On failure returns false with
// a one-line reason in error.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

// The text of --help.
const char* usage();

} // namespace speaker
