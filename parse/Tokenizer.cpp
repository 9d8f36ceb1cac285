#include "Tokenizer.h"

#include "TokenCharacters.h"

#include <cmath>
#include <iostream>

namespace drev {

namespace {

constexpr int END_OF_INPUT = -1;
// Returned by a step of the scan that has not finished a token yet.
constexpr int SCAN_ON = -1;

// Fraction digits are taken only while the divisor is below this bound. A digit beyond it
// changes the number by less than 1e-300, and taking every digit of a fraction several
// hundred digits long would make both the digits and the divisor infinite, whose quotient
// is NaN.
constexpr double FRACTION_DIVISOR_LIMIT = 1e300;

enum class ScanState { Start, Name, Integer, Fraction, ExponentSign, Exponent, Comment, String, Escape };

// The token kind of a one-character mark, or TOKEN_NONE for any other character.
int MarkKind(int c) {
    switch (c) {
    case '{':
        return TOKEN_OPEN_BRACE;
    case '}':
        return TOKEN_CLOSE_BRACE;
    case '[':
        return TOKEN_OPEN_BRACKET;
    case ']':
        return TOKEN_CLOSE_BRACKET;
    case '=':
        return TOKEN_EQUALS;
    case '|':
        return TOKEN_BAR;
    default:
        return TOKEN_NONE;
    }
}

} // namespace

// The state of one scan and the parts of the number being read.
struct Tokenizer::Scan {
    ScanState state = ScanState::Start;
    double sign = 1.0;
    double integerPart = 0.0;
    double fractionDigits = 0.0;
    double fractionDivisor = 1.0;
    double exponent = 0.0;
    double exponentSign = 1.0;

    void AddDigit(int digit);
    double NumberValue() const;
};

void Tokenizer::Scan::AddDigit(int digit) {
    if (state == ScanState::Integer) {
        integerPart = integerPart * 10.0 + digit;
    } else if (state == ScanState::Fraction) {
        if (fractionDivisor < FRACTION_DIVISOR_LIMIT) {
            fractionDigits = fractionDigits * 10.0 + digit;
            fractionDivisor *= 10.0;
        }
    } else {
        exponent = exponent * 10.0 + digit;
    }
}

// Overlong digit strings make the parts infinite, never undefined. Zero and infinity are not
// scaled by the exponent: a power of ten that overflowed or vanished would turn them into NaN.
double Tokenizer::Scan::NumberValue() const {
    double value = fractionDigits / fractionDivisor + integerPart;
    if (exponent != 0.0 && value != 0.0 && !std::isinf(value)) {
        value = std::pow(10.0, exponent * exponentSign) * value;
    }
    return sign * value;
}

Tokenizer::Tokenizer(std::istream& input) : input(input) {}

int Tokenizer::NextToken() {
    if (pushedBack) {
        pushedBack = false;
        return kind;
    }
    text.clear();
    numberDone = false;
    if (kind == TOKEN_NONE) {
        ReadCharacter();
        if (current == END_OF_INPUT) {
            kind = TOKEN_END;
            return kind;
        }
    } else if (kind == TOKEN_END) {
        return kind;
    }

    Scan scan;
    int finished = Step(scan);
    while (finished == SCAN_ON) {
        ReadCharacter();
        finished = Step(scan);
    }
    kind = finished;
    if (numberDone) {
        number = scan.NumberValue();
    }
    return kind;
}

// Reads straight from the stream buffer: the stream must not skip white space or translate
// anything. Once the end of input is reached nothing more is read.
void Tokenizer::ReadCharacter() {
    if (current == END_OF_INPUT) {
        return;
    }
    std::streambuf* buffer = input.rdbuf();
    const int c = buffer == nullptr ? std::char_traits<char>::eof() : buffer->sbumpc();
    current = c == std::char_traits<char>::eof() ? END_OF_INPUT : c;
    if (current == '\n') {
        ++line;
    }
}

// One step of the scan on the current character: either SCAN_ON, after which the next
// character is read, or the kind of the finished token.
int Tokenizer::Step(Scan& scan) {
    switch (scan.state) {
    case ScanState::Start:
        return StepStart(scan);
    case ScanState::Name:
        return StepName();
    case ScanState::Integer:
    case ScanState::Fraction:
    case ScanState::Exponent:
        return StepNumber(scan);
    case ScanState::ExponentSign:
        return StepExponentSign(scan);
    case ScanState::Comment:
        return StepComment(scan);
    case ScanState::String:
        return StepString(scan);
    default:
        return StepEscape(scan);
    }
}

int Tokenizer::StepStart(Scan& scan) {
    const int c = current;
    if (IsTokenSpace(c)) {
        return SCAN_ON;
    }
    tokenLine = line;
    if (IsTokenDigit(c)) {
        scan.integerPart = c - '0';
        scan.state = ScanState::Integer;
        return SCAN_ON;
    }
    if (c == '-') {
        scan.sign = -1.0;
        scan.integerPart = 0.0;
        scan.state = ScanState::Integer;
        return SCAN_ON;
    }
    if (IsTokenLetter(c)) {
        text += static_cast<char>(c);
        scan.state = ScanState::Name;
        return SCAN_ON;
    }
    if (c == '#') {
        scan.state = ScanState::Comment;
        return SCAN_ON;
    }
    if (c == '"') {
        scan.state = ScanState::String;
        return SCAN_ON;
    }
    const int mark = MarkKind(c);
    if (mark != TOKEN_NONE) {
        return FinishMark(mark);
    }
    if (c == END_OF_INPUT) {
        return TOKEN_END;
    }
    return Fail(LexicalProblem::BadCharacterInStream);
}

int Tokenizer::StepName() {
    if (IsTokenLetter(current) || IsTokenDigit(current)) {
        text += static_cast<char>(current);
        return SCAN_ON;
    }
    return TOKEN_NAME;
}

// The integer part, the fraction and the exponent digits.
int Tokenizer::StepNumber(Scan& scan) {
    const int c = current;
    if (IsTokenDigit(c)) {
        scan.AddDigit(c - '0');
        return SCAN_ON;
    }
    if (c == '.' && scan.state == ScanState::Integer) {
        scan.state = ScanState::Fraction;
        return SCAN_ON;
    }
    if ((c == 'e' || c == 'E') && scan.state != ScanState::Exponent) {
        scan.state = ScanState::ExponentSign;
        return SCAN_ON;
    }
    if (IsNumberTerminator(c)) {
        return FinishNumber();
    }
    return Fail(LexicalProblem::BadCharacterInNumber);
}

int Tokenizer::StepExponentSign(Scan& scan) {
    const int c = current;
    if (IsTokenDigit(c)) {
        scan.exponent = c - '0';
    } else if (c == '-') {
        scan.exponentSign = -1.0;
    } else if (c != '+') {
        return Fail(LexicalProblem::BadExponent);
    }
    scan.state = ScanState::Exponent;
    return SCAN_ON;
}

// A comment runs to the end of its line; at the end of input it ends like white space.
int Tokenizer::StepComment(Scan& scan) {
    if (current == END_OF_INPUT) {
        return TOKEN_END;
    }
    if (current == '\n' || current == '\r') {
        scan.state = ScanState::Start;
    }
    return SCAN_ON;
}

int Tokenizer::StepString(Scan& scan) {
    if (current == '"') {
        return FinishMark(TOKEN_STRING);
    }
    if (current == '\\') {
        scan.state = ScanState::Escape;
        return SCAN_ON;
    }
    if (current == END_OF_INPUT) {
        return Fail(LexicalProblem::EndInsideString);
    }
    text += static_cast<char>(current);
    return SCAN_ON;
}

int Tokenizer::StepEscape(Scan& scan) {
    if (current == '\\' || current == '"') {
        text += static_cast<char>(current);
    } else if (current == 'n') {
        text += '\n';
    } else if (current == END_OF_INPUT) {
        return Fail(LexicalProblem::EndInsideString);
    } else {
        return Fail(LexicalProblem::UnknownEscape);
    }
    scan.state = ScanState::String;
    return SCAN_ON;
}

// A token that ends with its own last character (a mark, a closing quote) consumes it.
int Tokenizer::FinishMark(int markKind) {
    ReadCharacter();
    return markKind;
}

int Tokenizer::FinishNumber() {
    numberDone = true;
    return TOKEN_NUMBER;
}

int Tokenizer::Fail(LexicalProblem problem) {
    lastError = LexicalError{problem, current, line};
    if (errorListener) {
        errorListener(lastError);
    } else {
        std::cerr << lastError.Message() << '\n';
    }
    return TOKEN_ERROR;
}

} // namespace drev
