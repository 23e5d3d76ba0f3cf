#include "speaker/mend.h"

#include <array>
#include <cstddef>

namespace speaker {

namespace {

// One respelling: the letter at `at` of `word` takes a written accent, the
// mark Catalan itself uses for the vowel the voice should say. The accent
// alone steers the voice, so the rest of the word keeps its letters and case.
struct Mend {
    std::string_view word; // lower case ASCII
    std::size_t at;
    std::string_view lower; // the accented letter, UTF-8
    std::string_view upper;
};

constexpr std::array kMends{
    // Said as one syllable [dwɛs]; it is [ˈduəs].
    Mend{"dues", 1, "ú", "Ú"},
    // Said with a close o [dos]; the number is [ˈdɔs] (the digit 2 comes out right).
    Mend{"dos", 1, "ò", "Ò"},
    // Said with an open e [tɾɛntə], [mɛɲs]; both have a close e.
    Mend{"trenta", 2, "é", "É"},
    Mend{"menys", 1, "é", "É"},
    // Said [kwinzə] as a word; the u is silent, [ˈkinzə].
    Mend{"quinze", 2, "í", "Í"},
};

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

const Mend* findMend(std::string_view word) {
    for (const Mend& mend : kMends) {
        if (mend.word.size() != word.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t i = 0; i < word.size() && same; ++i) {
            same = toLower(word[i]) == mend.word[i];
        }
        if (same) {
            return &mend;
        }
    }
    return nullptr;
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
    out.reserve(text.size() + 8);
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isWordByte(text[i])) {
            out += text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isWordByte(text[end])) {
            ++end;
        }
        const std::string_view word = text.substr(i, end - i);
        if (const Mend* mend = findMend(word)) {
            out += word.substr(0, mend->at);
            out += isUpper(word[mend->at]) ? mend->upper : mend->lower;
            out += word.substr(mend->at + 1);
        } else {
            out += word;
        }
        i = end;
    }
    return out;
}

std::string prepareForSpeech(std::string_view text) {
    return mendWords(spellTimeKey(text));
}

} // namespace speaker
