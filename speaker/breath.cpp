// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/breath.h"

#include "speaker/utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace speaker {

namespace {

constexpr std::string_view kPhonemesOpen = "[[";
constexpr std::string_view kPhonemesClose = "]]";

bool isClausePunctuation(char c) {
    return c == ',' || c == '.' || c == ';' || c == ':' || c == '!' || c == '?';
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The code point of a well-formed UTF-8 sequence of `length` bytes.
char32_t codePoint(std::string_view bytes, int length) {
    constexpr std::array<unsigned char, 5> kLeadBits{0, 0x7f, 0x1f, 0x0f, 0x07};
    char32_t c = static_cast<unsigned char>(bytes[0]) & kLeadBits[static_cast<std::size_t>(length)];
    for (int i = 1; i < length; ++i) {
        c = (c << 6) | (static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]) & 0x3f);
    }
    return c;
}

// The letters of Catalan and its neighbours: Latin-1 and Latin Extended
// letters, the middle dot of "col·legi", and the typographic apostrophe of
// "d’una", which the engine reads as the plain one.
bool isWordCharacter(char32_t c) {
    return c == U'\u00b7' || c == U'\u2019' ||
           (c >= U'\u00c0' && c <= U'\u024f' && c != U'\u00d7' && c != U'\u00f7');
}

// Words, blanks, apostrophes, hyphens, the respellings' phoneme input, and
// punctuation that ends a clause (followed by a blank or the end: "a.b" is
// not two clauses to the engine).
bool isPlain(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (text.substr(i).starts_with(kPhonemesOpen)) {
            const std::size_t close = text.find(kPhonemesClose, i);
            if (close == std::string_view::npos) {
                return false;
            }
            i = close + kPhonemesClose.size();
        } else if (isClausePunctuation(c)) {
            while (i < text.size() && isClausePunctuation(text[i])) {
                ++i;
            }
            if (i < text.size() && text[i] != ' ') {
                return false;
            }
        } else if (isAsciiLetter(c) || c == ' ' || c == '\'' || c == '-') {
            ++i;
        } else {
            const int length = utf8SequenceLength(text.substr(i));
            if (length < 2 || !isWordCharacter(codePoint(text.substr(i), length))) {
                return false;
            }
            i += static_cast<std::size_t>(length);
        }
    }
    return true;
}

bool isStressMark(char c) {
    return c == '\'' || c == ',' || c == '%' || c == '=';
}

// The phonemes without the engine's pauses ("_", "_:", "_!", "_:_:"), blanks
// between words kept single; nothing when they hold anything else that
// starts with "_" (a change of language, "_^_") or could end the phoneme
// input early.
std::optional<std::string> withoutPauses(std::string_view phonemes) {
    std::string out;
    std::size_t i = 0;
    while (i < phonemes.size()) {
        const char c = phonemes[i];
        if (c == '[' || c == ']') {
            return std::nullopt;
        }
        if (c == '_') {
            while (i < phonemes.size() &&
                   (phonemes[i] == '_' || phonemes[i] == ':' || phonemes[i] == '!')) {
                ++i;
            }
            const char next = i < phonemes.size() ? phonemes[i] : ' ';
            if (!(next == ' ' || isAsciiLetter(next) || isStressMark(next))) {
                return std::nullopt;
            }
            if (!out.empty() && out.back() != ' ') {
                out += ' ';
            }
            continue;
        }
        if (c != ' ' || (!out.empty() && out.back() != ' ')) {
            out += c;
        }
        ++i;
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

// A word the engine says as one word of its own, standing in for each
// phoneme input while the clause around it is translated: the words beside
// it then come out as they do inside a clause, not at its end ("i" keeps no
// stress of its own before a number). It starts and ends with a consonant,
// as the respelt numbers do.
constexpr std::string_view kStandIn = "pumpum";

std::string withoutStress(std::string_view phonemes) {
    std::string out;
    for (const char c : phonemes) {
        if (!isStressMark(c)) {
            out += c;
        }
    }
    return out;
}

// One clause as it is gathered: its words, with a stand-in for each piece
// of phoneme input, translated as a whole when it ends.
class Clause final {
public:
    explicit Clause(const Translate& translate) : translate_(translate) {}

    void addWords(std::string_view words) { text_ += words; }

    void addPhonemes(std::string_view phonemes) {
        text_ += ' ';
        text_ += kStandIn;
        text_ += ' ';
        pieces_.emplace_back(phonemes);
    }

    // The clause as phoneme input, or nothing when it has no sound; then
    // ready for the next one.
    std::string take() {
        std::string input;
        if (text_.find_first_not_of(' ') != std::string::npos) {
            const std::optional<std::string> phonemes = translated();
            failed_ = failed_ || !phonemes;
            if (phonemes && !phonemes->empty()) {
                input = std::string(kPhonemesOpen) + *phonemes + std::string(kPhonemesClose);
            }
        }
        text_.clear();
        pieces_.clear();
        return input;
    }

    bool failed() const { return failed_; }

private:
    // The engine's phonemes without its pauses, each stand-in replaced by
    // its piece; nothing when the stand-ins cannot all be found.
    std::optional<std::string> translated() {
        const std::optional<std::string> words = withoutPauses(translate_(text_));
        if (!words || pieces_.empty()) {
            return words;
        }
        if (standIn_.empty()) {
            standIn_ = withoutStress(translate_(kStandIn));
        }
        std::string out;
        std::size_t piece = 0;
        std::size_t at = 0;
        while (at < words->size()) {
            const std::size_t end = std::min(words->find(' ', at), words->size());
            const std::string_view word = std::string_view(*words).substr(at, end - at);
            const bool standIn = withoutStress(word) == standIn_;
            if (standIn && piece == pieces_.size()) {
                return std::nullopt;
            }
            out += out.empty() ? "" : " ";
            out += standIn ? pieces_[piece++] : std::string(word);
            at = end + 1;
        }
        return piece == pieces_.size() ? std::optional(out) : std::nullopt;
    }

    const Translate& translate_;
    std::string text_;
    std::vector<std::string> pieces_;
    std::string standIn_;
    bool failed_ = false;
};

} // namespace

std::string inOneBreath(std::string_view prepared, const Translate& translate) {
    if (!isPlain(prepared)) {
        return std::string(prepared);
    }
    Clause clause(translate);
    std::string input;
    std::size_t words = 0; // where the words not yet translated start
    std::size_t i = 0;
    while (i < prepared.size()) {
        if (prepared.substr(i).starts_with(kPhonemesOpen)) {
            clause.addWords(prepared.substr(words, i - words));
            const std::size_t start = i + kPhonemesOpen.size();
            const std::size_t close = prepared.find(kPhonemesClose, start);
            clause.addPhonemes(prepared.substr(start, close - start));
            i = words = close + kPhonemesClose.size();
        } else if (isClausePunctuation(prepared[i])) {
            clause.addWords(prepared.substr(words, i - words));
            input += clause.take();
            const std::size_t end = prepared.find_first_not_of(",.;:!? ", i);
            const std::size_t stop = end == std::string_view::npos ? prepared.size() : end;
            input += prepared.substr(i, stop - i);
            i = words = stop;
        } else {
            ++i;
        }
    }
    clause.addWords(prepared.substr(words));
    input += clause.take();
    return clause.failed() ? std::string(prepared) : input;
}

} // namespace speaker
