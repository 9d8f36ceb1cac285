// The tokens of a UI file with their places in its text, comments included: how the formatter
// and the language server read a UI file. The lexical rules are the Tokenizer's (names, strings
// with the escapes \n \\ \", numbers, the marks { } [ ] = |, '#' comments to the end of a line
// feed or carriage return, the same blanks); unlike the Tokenizer this scan keeps each token's
// source text (a number's digits as written, a string's escapes), every comment and the line
// ends between tokens, and it goes on after a lexical error, which becomes an Error token.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

enum class UiTokenKind {
    Name,
    String,
    Number,
    OpenBrace,
    CloseBrace,
    OpenBracket,
    CloseBracket,
    Equals,
    Bar,
    Comment,
    // A character that starts no token, a number the Tokenizer refuses, a string with an unknown
    // escape or one that the end of input cuts short.
    Error,
};

struct UiToken {
    UiTokenKind kind = UiTokenKind::Error;
    size_t offset = 0;
    size_t length = 0;
    // The line of the first character, counted as the Tokenizer counts: line feeds only.
    int line = 1;
    // The line ends (a line feed, a carriage return and line feed, or a carriage return alone)
    // in the blanks just before the token.
    int breaksBefore = 0;

    size_t End() const { return offset + length; }
};

std::vector<UiToken> ScanUiSource(std::string_view text);
