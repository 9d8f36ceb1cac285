#include "UiSourceTokens.h"

#include "TokenCharacters.h"

#include <algorithm>

namespace {

constexpr int END_OF_INPUT = -1;

using drev::IsNumberTerminator;
using drev::IsTokenDigit;
using drev::IsTokenLetter;
using drev::IsTokenSpace;

class SourceScan {
public:
    explicit SourceScan(std::string_view text) : text(text) {}

    std::vector<UiToken> Run() {
        std::vector<UiToken> tokens;
        int line = 1;
        int breaks = 0;
        size_t at = 0;
        while (at < text.size()) {
            const int c = Byte(at);
            if (IsTokenSpace(c)) {
                if (c == '\n') {
                    ++line;
                    ++breaks;
                } else if (c == '\r' && Byte(at + 1) != '\n') {
                    ++breaks;
                }
                ++at;
                continue;
            }
            UiToken token;
            token.offset = at;
            token.line = line;
            token.breaksBefore = breaks;
            at = Token(at, token.kind);
            token.length = at - token.offset;
            line += static_cast<int>(std::count(text.begin() + token.offset, text.begin() + at, '\n'));
            tokens.push_back(token);
            breaks = 0;
        }
        return tokens;
    }

private:
    int Byte(size_t at) const {
        return at < text.size() ? static_cast<unsigned char>(text[at]) : END_OF_INPUT;
    }

    // Scans the token that starts at `at`; returns where it ends.
    size_t Token(size_t at, UiTokenKind& kind) {
        const int c = Byte(at);
        if (IsTokenLetter(c)) {
            kind = UiTokenKind::Name;
            do {
                ++at;
            } while (IsTokenLetter(Byte(at)) || IsTokenDigit(Byte(at)));
            return at;
        }
        if (IsTokenDigit(c) || c == '-') {
            return Number(at + 1, kind);
        }
        if (c == '#') {
            kind = UiTokenKind::Comment;
            while (Byte(at) != END_OF_INPUT && Byte(at) != '\n' && Byte(at) != '\r') {
                ++at;
            }
            return at;
        }
        if (c == '"') {
            return String(at + 1, kind);
        }
        kind = Mark(c);
        if (kind != UiTokenKind::Error) {
            return at + 1;
        }
        // One error for a whole UTF-8 sequence rather than one for each of its bytes.
        do {
            ++at;
        } while (Byte(at) >= 0x80 && Byte(at) < 0xC0);
        return at;
    }

    static UiTokenKind Mark(int c) {
        switch (c) {
        case '{':
            return UiTokenKind::OpenBrace;
        case '}':
            return UiTokenKind::CloseBrace;
        case '[':
            return UiTokenKind::OpenBracket;
        case ']':
            return UiTokenKind::CloseBracket;
        case '=':
            return UiTokenKind::Equals;
        case '|':
            return UiTokenKind::Bar;
        default:
            return UiTokenKind::Error;
        }
    }

    // The Tokenizer's number states after the first digit or '-'. A character it refuses makes
    // the token an error that runs to the next number terminator.
    size_t Number(size_t at, UiTokenKind& kind) {
        enum { Integer, Fraction, ExponentSign, Exponent } state = Integer;
        kind = UiTokenKind::Number;
        for (;; ++at) {
            const int c = Byte(at);
            if (state == ExponentSign) {
                if (!IsTokenDigit(c) && c != '-' && c != '+') {
                    break;
                }
                state = Exponent;
            } else if (IsTokenDigit(c)) {
                continue;
            } else if (c == '.' && state == Integer) {
                state = Fraction;
            } else if ((c == 'e' || c == 'E') && state != Exponent) {
                state = ExponentSign;
            } else if (IsNumberTerminator(c)) {
                return at;
            } else {
                break;
            }
        }
        kind = UiTokenKind::Error;
        while (!IsNumberTerminator(Byte(at))) {
            ++at;
        }
        return at;
    }

    // A string to its closing quote; an unknown escape makes it an error all the same, and the
    // end of input inside it makes it an error that runs to the end.
    size_t String(size_t at, UiTokenKind& kind) {
        kind = UiTokenKind::String;
        for (;;) {
            const int c = Byte(at);
            if (c == END_OF_INPUT) {
                kind = UiTokenKind::Error;
                return at;
            }
            if (c == '"') {
                return at + 1;
            }
            if (c == '\\') {
                const int escaped = Byte(at + 1);
                if (escaped == END_OF_INPUT) {
                    kind = UiTokenKind::Error;
                    return at + 1;
                }
                if (escaped != '\\' && escaped != 'n' && escaped != '"') {
                    kind = UiTokenKind::Error;
                }
                at += 2;
                continue;
            }
            ++at;
        }
    }

    std::string_view text;
};

} // namespace

std::vector<UiToken> ScanUiSource(std::string_view text) {
    return SourceScan(text).Run();
}
