// SPDX-License-Identifier: GPL-3.0-or-later
// What sv does to a text before the voice gets it: the clock key spelt out,
// then the respellings. The first byte of the input chooses whether the rest
// is the text itself or a scratch file's record decoded as sv decodes it.
//
// Properties:
// - Phoneme input comes from the respellings only: every square bracket the
//   voice gets is part of a "[[...]]" of the table, whole; the caption's own
//   brackets come out round.
// - A text holding no word of the table (nor a part of a compound, taken
//   as a whole word in any case) and no square bracket comes out unchanged.
// - Respelling its own output changes nothing but its phoneme input's
//   brackets, which read as round ones the second time as any caption's.
// - The output is well-formed UTF-8 when the text is, and never longer, in
//   proportion, than the table's longest respelling of a word makes it
//   ("trenta cinc" becoming "[[t**,enta#s'iN]]", about half again).
// - The clock key: the text changes only when, after its leading blanks, it
//   starts with HH.MM (hours 01 to 12, minutes 00 to 59) alone or before a
//   blank; then the blanks stay, the key becomes lower-case words, the rest
//   follows a comma when it holds more than blanks, and spelling the result
//   again changes nothing.
#include "speaker/mend.h"
#include "speaker/record.h"
#include "speaker/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace {

void broken(const char* what, std::string_view text, std::string_view out) {
    std::fprintf(stderr, "broken: %s\n  text \"%.*s\"\n  out  \"%.*s\"\n", what,
                 static_cast<int>(text.size()), text.data(), static_cast<int>(out.size()),
                 out.data());
    std::abort();
}

bool isWordByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b >= 0x80;
}

// The table's words and the parts of its compounds.
const std::set<std::string>& tableWords() {
    static const std::set<std::string> words = [] {
        std::set<std::string> all;
        for (const speaker::Respelling& r : speaker::respellings()) {
            std::string part;
            for (const char c : std::string(r.word) + '-') {
                if (c == '-') {
                    all.insert(part);
                    part.clear();
                } else {
                    part += c;
                }
            }
        }
        return all;
    }();
    return words;
}

bool holdsTableWord(std::string_view text) {
    std::string word;
    for (const char c : std::string(text) + ' ') {
        if (isWordByte(c)) {
            word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        } else if (!word.empty()) {
            if (tableWords().contains(word)) {
                return true;
            }
            word.clear();
        }
    }
    return false;
}

// Whether every square bracket of out belongs to a whole phoneme input of
// the table.
bool bracketsFromTheTable(std::string_view out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != '[' && out[i] != ']') {
            continue;
        }
        const auto& all = speaker::respellings();
        const auto said = std::find_if(all.begin(), all.end(), [&](const speaker::Respelling& r) {
            return r.said.starts_with("[[") && out.substr(i).starts_with(r.said);
        });
        if (said == all.end()) {
            return false;
        }
        i += said->said.size() - 1;
    }
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void checkTimeKey(std::string_view text) {
    const std::string spelt = speaker::spellTimeKey(text);
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    const std::string_view key = text.substr(start, 5);
    const std::string_view rest = text.substr(std::min(start + 5, text.size()));
    const bool isKey = key.size() == 5 && isDigit(key[0]) && isDigit(key[1]) && key[2] == '.' &&
                       isDigit(key[3]) && isDigit(key[4]) && (rest.empty() || rest[0] == ' ');
    const int hour = isKey ? (key[0] - '0') * 10 + key[1] - '0' : 0;
    const int minute = isKey ? (key[3] - '0') * 10 + key[4] - '0' : 99;
    if (hour < 1 || hour > 12 || minute > 59) {
        if (spelt != text) {
            broken("a text without a clock key changed", text, spelt);
        }
        return;
    }
    const bool saysMore = rest.find_first_not_of(' ') != std::string_view::npos;
    const std::string tail = saysMore ? ',' + std::string(rest) : std::string();
    const std::string_view words =
        std::string_view(spelt).substr(start, spelt.size() - start - tail.size());
    if (!spelt.starts_with(text.substr(0, start)) || !spelt.ends_with(tail) || words.empty() ||
        !std::all_of(words.begin(), words.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || c == ' ' || c == '-'; })) {
        broken("the key was not spelt as words between the blanks and the rest", text, spelt);
    }
    if (speaker::spellTimeKey(spelt) != spelt) {
        broken("spelling the key twice changed it again", text, speaker::spellTimeKey(spelt));
    }
}

void checkRespelling(std::string_view text) {
    const std::string out = speaker::mendWords(text);
    if (!bracketsFromTheTable(out)) {
        broken("a square bracket that is not the table's phoneme input", text, out);
    }
    const bool hasBracket = text.find_first_of("[]") != std::string_view::npos;
    if (!hasBracket && !holdsTableWord(text) && out != text) {
        broken("a text without a mended word changed", text, out);
    }
    std::string rounded = out;
    std::replace(rounded.begin(), rounded.end(), '[', '(');
    std::replace(rounded.begin(), rounded.end(), ']', ')');
    if (speaker::mendWords(out) != rounded) {
        broken("respelling the output changed more than its brackets", text,
               speaker::mendWords(out));
    }
    if (speaker::isUtf8(text) && !speaker::isUtf8(out)) {
        broken("UTF-8 in, not UTF-8 out", text, out);
    }
    // The most a respelling lengthens its word, as said / word.
    static const auto [said, word] = [] {
        std::size_t longest = 1;
        std::size_t of = 1;
        for (const speaker::Respelling& r : speaker::respellings()) {
            if (r.said.size() * of > longest * r.word.size()) {
                longest = r.said.size();
                of = r.word.size();
            }
        }
        return std::pair(longest, of);
    }();
    if (out.size() * word > text.size() * said) {
        broken("longer than the longest respelling makes a word", text, out);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string text = data[0] & 1 ? speaker::recordText(rest) : std::string(rest);
    checkTimeKey(text);
    checkRespelling(text);
    // What the voice is given, from what sv reads.
    const std::string spoken = speaker::prepareForSpeech(text);
    if (!bracketsFromTheTable(spoken)) {
        broken("a square bracket that is not the table's phoneme input", text, spoken);
    }
    return 0;
}
