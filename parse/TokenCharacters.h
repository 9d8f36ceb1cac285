// The character classes of UI file tokens, plain ASCII: the Tokenizer and the lossless scan of
// the formatter and the language server (commands/UiSourceTokens) read with the same ones, so
// that both see the same tokens. A character is 0..255, or -1 at the end of input.
#pragma once

namespace drev {

// A blank: space, tab, line feed, vertical tab, form feed or carriage return.
constexpr bool IsTokenSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsTokenLetter(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr bool IsTokenDigit(int c) {
    return c >= '0' && c <= '9';
}

// What ends a number: anything but a digit, a letter or '.', the end of input included.
constexpr bool IsNumberTerminator(int c) {
    return !IsTokenDigit(c) && !IsTokenLetter(c) && c != '.';
}

} // namespace drev
