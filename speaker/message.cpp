// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/message.h"

#include "speaker/utf8.h"

#include <cstring>

namespace speaker {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void appendHex(std::string& out, unsigned char c) {
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
}

std::string escaped(std::string_view text, std::size_t maxCharacters, bool doubleBackslash,
                    bool& cut) {
    std::string out;
    std::size_t characters = 0;
    cut = false;
    for (std::size_t i = 0; i < text.size();) {
        if (characters == maxCharacters) {
            cut = true;
            break;
        }
        ++characters;
        const auto c = static_cast<unsigned char>(text[i]);
        const int length = utf8SequenceLength(text.substr(i));
        if (length > 1) {
            const bool c1 = c == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
            for (int k = 0; k < length; ++k) {
                if (c1) {
                    appendHex(out, static_cast<unsigned char>(text[i + k]));
                } else {
                    out += text[i + k];
                }
            }
            i += static_cast<std::size_t>(length);
            continue;
        }
        ++i;
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\' && doubleBackslash) {
            out += "\\\\";
        } else if (c < 0x20 || c >= 0x7F) {
            appendHex(out, c); // a control character, or a byte that is not UTF-8
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace

std::string quoted(std::string_view argument) {
    bool cut = false;
    std::string out = '\'' + escaped(argument, kQuotedCharacters, true, cut) + '\'';
    if (cut) {
        out += "...";
    }
    return out;
}

std::string oneLine(std::string_view text) {
    bool cut = false;
    return escaped(text, std::string_view::npos, false, cut);
}

std::string systemReason(int error) {
    // sv never sets a locale, so this is the C library's English text.
    return std::strerror(error);
}

} // namespace speaker
