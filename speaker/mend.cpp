// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/mend.h"

#include <array>
#include <cstddef>
#include <utility>

namespace speaker {

namespace {

// Where a letter or an accent is enough, the rest of the word keeps its
// letters and case; the compounds need the engine's phoneme input ("[[...]]",
// its own ASCII phoneme names: ** is [ɾ], a# is [ɐ], N is [ŋ], ' and , the
// main and the secondary stress), which is the only way to stress them once.

// Compounds first, so that their parts are not respelt one by one.
constexpr std::array kRespellings{
    // Said as two words, each stressed, without the linking t:
    // [ʋˈinisˈiŋk]. One word, [ˌbintiˈsiŋ].
    Respelling{"vint-i-cinc", "[[b,intis'iN]]"},
    Respelling{"trenta-cinc", "[[t**,enta#s'iN]]"},      // [ˌtɾentəˈsiŋ]
    Respelling{"quaranta-cinc", "[[kwa#**,anta#s'iN]]"}, // [kwəˌɾantəˈsiŋ]
    Respelling{"cinquanta-cinc", "[[siNkw,anta#s'iN]]"}, // [siŋˌkwantəˈsiŋ]
    // Said [ən ˈpun]; the n takes the lips of the p, [əm ˈpun].
    Respelling{"en-punt", "[[@m p'un]]"},
    // Said as one syllable [dwɛs]; it is [ˈduəs].
    Respelling{"dues", "dúes"},
    // Said with a close o [dos]; the number is [ˈdɔs] (the digit 2 comes out right).
    Respelling{"dos", "dòs"},
    // Said with an open e [tɾɛntə], [mɛɲs]; both have a close e.
    Respelling{"trenta", "trénta"},
    Respelling{"menys", "ménys"},
    // Said [kwinzə] as a word; the u is silent, [ˈkinzə].
    Respelling{"quinze", "quínze"},
    // Said [siŋk]: Central Catalan drops the final k, [siŋ].
    Respelling{"cinc", "cing"},
    // Said with the labiodental [ʋ] of Valencian and Balearic; Central
    // Catalan has [b] for v, [bujt], [bin].
    Respelling{"vuit", "buit"},
    Respelling{"vint", "bint"},
    // The n before the k is [ŋ], [siŋˈkwantə]; said [sinkwˈantɐ].
    Respelling{"cinquanta", "cingquanta"},
};

// The capitals of the accented letters the respellings use.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kCapitals{{
    {"à", "À"},
    {"è", "È"},
    {"é", "É"},
    {"í", "Í"},
    {"ò", "Ò"},
    {"ó", "Ó"},
    {"ú", "Ú"},
}};

constexpr std::array<std::string_view, 10> kUnits{"zero", "u",   "dos", "tres", "quatre",
                                                  "cinc", "sis", "set", "vuit", "nou"};
constexpr std::array<std::string_view, 10> kTeens{"deu",    "onze",  "dotze",  "tretze", "catorze",
                                                  "quinze", "setze", "disset", "divuit", "dinou"};
constexpr std::array<std::string_view, 4> kTens{"vint", "trenta", "quaranta", "cinquanta"};
// Hours are feminine ("la una", "les dues"): the counting forms "u" and
// "dos" would be wrong here.
constexpr std::array<std::string_view, 12> kHours{"una", "dues", "tres", "quatre", "cinc", "sis",
                                                  "set", "vuit", "nou",  "deu",    "onze", "dotze"};

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

char toLower(char c) {
    return isUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Letters, digits and every byte of a non-ASCII character belong to a word;
// blanks, punctuation, the apostrophe and the hyphen end it, so "d'una" and
// "vint-i-dues" are split where Catalan splits them.
bool isWordByte(char c) {
    return isAsciiLetter(c) || isDigit(c) || static_cast<unsigned char>(c) >= 0x80;
}

char toUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The length of text from `at` on that is the respelling's word, whole, or 0.
std::size_t matchAt(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) {
        return 0;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = text[at + i];
        const bool same = word[i] == '-' ? (c == '-' || c == ' ') : toLower(c) == word[i];
        if (!same) {
            return 0;
        }
    }
    const std::size_t end = at + word.size();
    return end < text.size() && isWordByte(text[end]) ? 0 : word.size();
}

std::size_t utf8Length(char lead) {
    const auto c = static_cast<unsigned char>(lead);
    return c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
}

// The respelling with the case of the word it replaces, letter by letter;
// letters past the end of the word are capitals when the word was all
// capitals.
std::string withCaseOf(std::string_view word, std::string_view said) {
    bool allCapitals = true;
    for (const char c : word) {
        allCapitals = allCapitals && (isUpper(c) || !isAsciiLetter(c));
    }
    std::string out;
    std::size_t letter = 0;
    for (std::size_t i = 0; i < said.size(); ++letter) {
        const std::string_view one = said.substr(i, utf8Length(said[i]));
        i += one.size();
        const bool capital = letter < word.size() ? isUpper(word[letter]) : allCapitals;
        if (!capital) {
            out += one;
        } else if (one.size() == 1) {
            out += toUpper(one[0]);
        } else {
            std::string_view upper = one;
            for (const auto& [small, big] : kCapitals) {
                upper = one == small ? big : upper;
            }
            out += upper;
        }
    }
    return out;
}

std::string minuteWords(int minute) {
    if (minute == 0) {
        return "en punt";
    }
    if (minute < 10) {
        // Read as the clock shows it, digit by digit: "zero cinc".
        return std::string(kUnits[0]) + ' ' + std::string(kUnits[minute]);
    }
    if (minute < 20) {
        return std::string(kTeens[minute - 10]);
    }
    std::string words(kTens[minute / 10 - 2]);
    if (minute % 10 != 0) {
        words += minute < 30 ? "-i-" : "-";
        words += kUnits[minute % 10];
    }
    return words;
}

} // namespace

std::string spellTimeKey(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos || text.size() - start < 5) {
        return std::string(text);
    }
    const std::string_view key = text.substr(start, 5);
    const std::string_view rest = text.substr(start + 5);
    if (!isDigit(key[0]) || !isDigit(key[1]) || key[2] != '.' || !isDigit(key[3]) ||
        !isDigit(key[4]) || (!rest.empty() && rest.front() != ' ')) {
        return std::string(text);
    }
    const int hour = (key[0] - '0') * 10 + (key[1] - '0');
    const int minute = (key[3] - '0') * 10 + (key[4] - '0');
    if (hour < 1 || hour > 12 || minute > 59) {
        return std::string(text);
    }
    std::string spoken(text.substr(0, start));
    spoken += kHours[hour - 1];
    spoken += ' ';
    spoken += minuteWords(minute);
    if (rest.find_first_not_of(' ') != std::string_view::npos) {
        // A comma gives the short pause between the digits and the phrase.
        spoken += ',';
        spoken += rest;
    }
    return spoken;
}

std::string mendWords(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isWordByte(text[i])) {
            const char c = text[i++];
            out += c == '[' ? '(' : c == ']' ? ')' : c;
            continue;
        }
        std::size_t length = 0;
        for (const Respelling& respelling : kRespellings) {
            length = matchAt(text, i, respelling.word);
            if (length > 0) {
                const std::string_view word = text.substr(i, length);
                out += respelling.said.starts_with("[[") ? std::string(respelling.said)
                                                         : withCaseOf(word, respelling.said);
                break;
            }
        }
        if (length == 0) {
            while (i + length < text.size() && isWordByte(text[i + length])) {
                out += text[i + length++];
            }
        }
        i += length;
    }
    return out;
}

std::string prepareForSpeech(std::string_view text) {
    return mendWords(spellTimeKey(text));
}

std::span<const Respelling> respellings() {
    return kRespellings;
}

} // namespace speaker
