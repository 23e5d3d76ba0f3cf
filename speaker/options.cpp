// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/options.h"

#include "speaker/message.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>

namespace speaker {

namespace {

// A whole number, "+" or "-" and then digits only. One too large for an
// int keeps its sign and becomes as large as it may: every bound it is
// checked against is far inside the int range.
bool parseInt(const std::string& text, int& value) {
    std::string_view digits = text;
    const bool negative = digits.starts_with('-');
    if (negative || digits.starts_with('+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    long long magnitude = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (ec == std::errc::result_out_of_range || magnitude > std::numeric_limits<int>::max()) {
        magnitude = std::numeric_limits<int>::max();
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

} // namespace

bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    options = Options{};
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h" || arg == "/?") {
            options.help = true;
            return true;
        }
        if (arg == "--ipa") {
            options.ipa = true;
            continue;
        }
        // Options are a slash, one letter (either case) and a colon: the form
        // the clock program passes them in.
        if (arg.size() < 3 || arg[0] != '/' || arg[2] != ':') {
            error = "unknown option " + quoted(arg) + " (see sv --help)";
            return false;
        }
        const std::string value = arg.substr(3);
        switch (arg[1]) {
        case 'I':
        case 'i':
            if (value != "c" && value != "C") {
                error = "unknown language " + quoted(value) + " in /I: (only c, Catalan)";
                return false;
            }
            break;
        case 'L':
        case 'l':
            if (!parseInt(value, options.level) || options.level < 1 || options.level > kMaxLevel) {
                error = "bad level " + quoted(value) + " in /L: (1 to 5)";
                return false;
            }
            break;
        case 'V':
        case 'v':
            if (!parseInt(value, options.volume)) {
                error = "bad volume " + quoted(value) + " in /V: (a whole number)";
                return false;
            }
            options.volume = std::clamp(options.volume, 0, kMaxVolume);
            break;
        case 'F':
        case 'f':
            options.file = value;
            break;
        case 'W':
        case 'w':
            if (value.empty()) {
                error = "/W: needs a file name";
                return false;
            }
            options.wav = value;
            break;
        default:
            error = "unknown option " + quoted(arg) + " (see sv --help)";
            return false;
        }
    }
    if (options.ipa && !options.wav.empty()) {
        error = "--ipa prints, /W: writes a WAV: give one of them";
        return false;
    }
    if (options.file.empty()) {
        error = "missing /F:<file> (see sv --help)";
        return false;
    }
    return true;
}

const char* usage() {
    return "Usage: sv /F:<file> [/I:c] [/L:<level>] [/V:<volume>] [/W:<file.wav> | --ipa]\n"
           "Speaks, in Catalan, the text held in the first 200 bytes of <file>\n"
           "(Windows-1252, blank padded on the right; UTF-8 is recognised).\n"
           "A new sv that is about to play stops the one of the same user still\n"
           "playing: the newest request wins.\n"
           "\n"
           "  /I:c            language: c is Catalan, the only one (default)\n"
           "  /L:<level>      speaking rate, 1 to 5 (default 1):\n"
           "                  1 slow and clear for children (125 words a minute),\n"
           "                  2 150, 3 175 (the voice's usual rate), 4 200, 5 225\n"
           "  /V:<volume>     volume, 100 normal (default); any whole number, clamped\n"
           "                  to 0..200; above 100 the voice gets louder and may clip\n"
           "  /F:<file>       the file holding the text (required)\n"
           "  /W:<file.wav>   write the speech to a WAV file (16-bit mono)\n"
           "                  instead of playing it on the sound card; stops no one\n"
           "  --ipa           print, on one line, the IPA of what would be said\n"
           "                  (after the respellings) instead of speaking; stops no one\n"
           "  --help          this text\n"
           "\n"
           "Both files must be regular files of this user that no one else may\n"
           "write; a symbolic link, a pipe or a device is refused.\n"
           "A leading time written as digits (\"12.15 Un quart d'una\") is read as\n"
           "words (\"dotze quinze\"). Exit status: 0 spoken, 1 the file, the voice\n"
           "or the sound card failed, 2 a bad command line.\n";
}

} // namespace speaker
