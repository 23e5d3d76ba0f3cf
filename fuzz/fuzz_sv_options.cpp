// SPDX-License-Identifier: GPL-3.0-or-later
// sv's command line against a model of its own, written apart from the
// parser: the input is the arguments, separated by NUL bytes.
//
// Properties:
// - The parser accepts exactly what the model accepts: "--help", "-h" or
//   "/?" (which ends the parse), "--ipa", and /I: /L: /V: /F: /W: in either
//   case, with "c" for /I:, a whole number 1 to 5 for /L:, any whole number
//   (a sign, then digits, however many) for /V:, a file for /F: (required)
//   and a non-empty one for /W:, never /W: and --ipa together.
// - Accepted: level 1 to 5 and volume 0 to 200, the volume being the last
//   /V: clamped (the model compares digit strings, so numbers past the int
//   range are checked too); file, WAV and --ipa as the last ones given.
// - Rejected: exactly one message line, with no control character (C0, DEL
//   or C1) and nothing that is not well-formed UTF-8, and short however
//   long the arguments, since at most 80 characters of one are quoted.
#include "speaker/options.h"
#include "speaker/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// Longest message: its fixed words and 80 characters, each shown at worst
// as \xHH for each of two bytes (a C1 control).
constexpr std::size_t kLongestMessage = 100 + 80 * 8;

void broken(const char* what, const std::vector<std::string>& args, const std::string& detail) {
    std::fprintf(stderr, "broken: %s\n", what);
    for (const std::string& arg : args) {
        std::fprintf(stderr, "  arg \"%s\"\n", arg.c_str());
    }
    std::fprintf(stderr, "  %s\n", detail.c_str());
    std::abort();
}

// A whole number as the model reads it: its sign and digits without the
// zeros in front, or nothing.
struct Number {
    bool negative = false;
    std::string digits;
};

std::optional<Number> wholeNumber(std::string text) {
    Number number;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        number.negative = text[0] == '-';
        text.erase(0, 1);
    }
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    number.digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    return number;
}

// Whether the digits, read as a number, are at most limit's.
bool atMost(const std::string& digits, const std::string& limit) {
    return digits.size() != limit.size() ? digits.size() < limit.size() : digits <= limit;
}

int clampedVolume(const Number& n) {
    if (n.digits.empty() || n.negative) {
        return 0;
    }
    return atMost(n.digits, "200") ? std::stoi(n.digits) : 200;
}

std::optional<speaker::Options> model(const std::vector<std::string>& args) {
    speaker::Options o;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h" || arg == "/?") {
            o.help = true;
            return o;
        }
        if (arg == "--ipa") {
            o.ipa = true;
            continue;
        }
        if (arg.size() < 3 || arg[0] != '/' || arg[2] != ':') {
            return std::nullopt;
        }
        const std::string value = arg.substr(3);
        const char letter = static_cast<char>(arg[1] | 0x20); // lower case, for letters
        const bool isLetter = (arg[1] >= 'A' && arg[1] <= 'Z') || (arg[1] >= 'a' && arg[1] <= 'z');
        const auto number = wholeNumber(value);
        if (!isLetter) {
            return std::nullopt;
        } else if (letter == 'i') {
            if (value != "c" && value != "C") {
                return std::nullopt;
            }
        } else if (letter == 'l') {
            if (!number || number->negative || number->digits.empty() ||
                !atMost(number->digits, "5")) {
                return std::nullopt;
            }
            o.level = std::stoi(number->digits);
        } else if (letter == 'v') {
            if (!number) {
                return std::nullopt;
            }
            o.volume = clampedVolume(*number);
        } else if (letter == 'f') {
            o.file = value;
        } else if (letter == 'w') {
            if (value.empty()) {
                return std::nullopt;
            }
            o.wav = value;
        } else {
            return std::nullopt;
        }
    }
    if ((o.ipa && !o.wav.empty()) || o.file.empty()) {
        return std::nullopt;
    }
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args;
    std::string current;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    args.push_back(current);

    speaker::Options options;
    std::string error;
    const bool ok = speaker::parseOptions(args, options, error);
    const auto expected = model(args);
    if (ok != expected.has_value()) {
        broken(ok ? "accepted what the model rejects" : "rejected what the model accepts", args,
               error);
    }
    if (ok) {
        if (options.level < 1 || options.level > speaker::kMaxLevel || options.volume < 0 ||
            options.volume > speaker::kMaxVolume) {
            broken("value out of range", args,
                   std::to_string(options.level) + " " + std::to_string(options.volume));
        }
        if (options.help != expected->help ||
            (!options.help &&
             (options.level != expected->level || options.volume != expected->volume ||
              options.file != expected->file || options.wav != expected->wav ||
              options.ipa != expected->ipa))) {
            broken("values differ from the model's", args,
                   std::to_string(options.level) + " " + std::to_string(options.volume) + " " +
                       options.file + " " + options.wav);
        }
        return 0;
    }
    if (error.empty() || error.size() > kLongestMessage || !speaker::isUtf8(error) ||
        std::any_of(error.begin(), error.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
        broken("not one short clean line", args, error);
    }
    // No C1 control either (U+0080 to U+009F, C2 80 to C2 9F).
    for (size_t at = error.find('\xC2'); at != std::string::npos; at = error.find('\xC2', at + 1)) {
        if (at + 1 < error.size() && static_cast<unsigned char>(error[at + 1]) <= 0x9F) {
            broken("a C1 control in the message", args, error);
        }
    }
    return 0;
}
