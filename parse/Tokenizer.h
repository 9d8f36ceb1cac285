// The scanner of UI description files: turns a character stream into names, double-quoted
// strings, numbers, the marks { } [ ] = | , end of input and an error token. White space and
// '#' comments are skipped and line feeds counted, so callers can say where a problem lies.
// The stream is borrowed: the caller keeps it open for the Tokenizer's life. The value reader
// and the loader's section loop share one Tokenizer and pull tokens from it in turn; one token
// can be pushed back. Each lexical error goes to the Tokenizer's error listener, or is written to
// standard error as one line when it has none; the last one is kept either way.
#pragma once

#include "LexicalError.h"

#include <functional>
#include <istream>
#include <string>

namespace drev {

enum TokenType {
    TOKEN_NAME = 0,
    TOKEN_STRING = 1,
    TOKEN_NUMBER = 2,
    TOKEN_NONE = 3,
    TOKEN_END = 4,
    TOKEN_OPEN_BRACE = 6,
    TOKEN_CLOSE_BRACE = 7,
    TOKEN_OPEN_BRACKET = 8,
    TOKEN_CLOSE_BRACKET = 9,
    TOKEN_EQUALS = 10,
    TOKEN_ERROR = 11,
    TOKEN_BAR = 12,
};

class Tokenizer {
public:
    explicit Tokenizer(std::istream& input);
    Tokenizer(const Tokenizer&) = delete;
    Tokenizer& operator=(const Tokenizer&) = delete;

    // Scans the next token and returns its kind. TOKEN_END is final: once returned it is
    // returned again by every later call. After TOKEN_ERROR the scan resumes at the character
    // that stopped it, so callers stop at the first error.
    int NextToken();
    // Makes the next NextToken return the current token again, text and number unchanged.
    void PushBack() { pushedBack = true; }

    int TokenKind() const { return kind; }
    // The value of the last number token; tokens of other kinds leave it as it was.
    double NumberValue() const { return number; }
    // The text of the current name or string; empty after a number or a mark.
    std::string TextValue() const { return text; }
    // The line of the look-ahead character: after a token that ended at a line feed it already
    // counts the next line.
    int LineNumber() const { return line; }
    // The line of the current token's first character.
    int TokenLine() const { return tokenLine; }

    // Receives every lexical error in place of standard error.
    void SetErrorListener(std::function<void(const LexicalError&)> listener) { errorListener = std::move(listener); }
    // The last lexical error, or one with LexicalProblem::None when there was none.
    const LexicalError& LastError() const { return lastError; }

private:
    struct Scan;

    void ReadCharacter();
    int Step(Scan& scan);
    int StepStart(Scan& scan);
    int StepName();
    int StepNumber(Scan& scan);
    int StepExponentSign(Scan& scan);
    int StepComment(Scan& scan);
    int StepString(Scan& scan);
    int StepEscape(Scan& scan);
    int FinishMark(int markKind);
    int FinishNumber();
    int Fail(LexicalProblem problem);

    std::istream& input;
    int current = 0;
    int kind = TOKEN_NONE;
    bool numberDone = false;
    bool pushedBack = false;
    double number = 0.0;
    std::string text;
    int line = 1;
    int tokenLine = 1;
    std::function<void(const LexicalError&)> errorListener;
    LexicalError lastError;
};

} // namespace drev
