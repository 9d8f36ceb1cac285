#include "LexicalError.h"

#include <cstdio>

namespace drev {

namespace {

// A character as a person can find it in a text editor.
std::string Describe(int c) {
    char text[16];
    if (c < 0) {
        return "the end of input";
    }
    if (c == ' ') {
        return "a blank";
    }
    if (c == '\n' || c == '\r') {
        return "a line end";
    }
    if (c == '\t') {
        return "a tab";
    }
    if (c > ' ' && c < 127) {
        std::snprintf(text, sizeof text, "'%c'", c);
    } else {
        std::snprintf(text, sizeof text, "byte 0x%02X", static_cast<unsigned>(c) & 0xFFu);
    }
    return text;
}

} // namespace

const char* LexicalError::Message() const {
    switch (problem) {
    case LexicalProblem::BadCharacterInStream:
        return "Bad character in stream";
    case LexicalProblem::BadCharacterInNumber:
    case LexicalProblem::BadExponent:
        return "Bad character in number";
    case LexicalProblem::UnknownEscape:
        return "Unknown escape code in string";
    case LexicalProblem::EndInsideString:
        return "End of input inside a string";
    case LexicalProblem::None:
        break;
    }
    return "";
}

std::string LexicalError::Reason() const {
    const std::string message = Message();
    switch (problem) {
    case LexicalProblem::BadCharacterInStream:
        // '+5' and '.5' look like numbers to a person, but a number starts with a digit or '-'.
        if (character == '+' || character == '.') {
            return message + ": " + Describe(character) + " cannot start a number";
        }
        return message + ": " + Describe(character) + " cannot start a name, a number or a string";
    case LexicalProblem::BadCharacterInNumber:
        return message + ": " + Describe(character) + " cannot follow the digits of a number";
    case LexicalProblem::BadExponent:
        return message + ": " + Describe(character) + " cannot follow the exponent mark of a number";
    case LexicalProblem::UnknownEscape:
        return message + ": " + Describe(character) +
               " after a backslash (only \\n, \\\\ and \\\" are escapes)";
    case LexicalProblem::EndInsideString:
    case LexicalProblem::None:
        break;
    }
    return message;
}

} // namespace drev
