#include "Tokenizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using namespace drev;

namespace {

// A tokenizer over a text, with what it writes to standard error captured.
class Scanner {
public:
    explicit Scanner(const std::string& text) : input(text), tokenizer(input) {
        testing::internal::CaptureStderr();
    }
    ~Scanner() { Errors(); }

    // The kinds up to and including the end of input or the first error.
    std::vector<int> Kinds() {
        std::vector<int> kinds;
        do {
            kinds.push_back(tokenizer.NextToken());
        } while (kinds.back() != TOKEN_END && kinds.back() != TOKEN_ERROR);
        return kinds;
    }
    // What has been written to standard error; capturing stops.
    std::string Errors() {
        if (capturing) {
            errors = testing::internal::GetCapturedStderr();
            capturing = false;
        }
        return errors;
    }

    std::istringstream input;
    Tokenizer tokenizer;

private:
    bool capturing = true;
    std::string errors;
};

double OnlyNumber(const std::string& text) {
    Scanner scanner(text);
    EXPECT_EQ(scanner.Kinds(), (std::vector<int>{TOKEN_NUMBER, TOKEN_END})) << text;
    EXPECT_EQ(scanner.Errors(), "") << text;
    return scanner.tokenizer.NumberValue();
}

// --- numbers and their errors ---

TEST(TokenizerNumbers, EveryWrittenForm) {
    const std::pair<const char*, double> cases[] = {
        {"12", 12},  {"2e3", 2000}, {"2E-1", 0.2},  {"1.", 1},  {"5e0", 5},     {"1e+ ", 1},
        {"1e- ", 1}, {"-.5", -0.5}, {"0.25", 0.25}, {"-7", -7}, {"3.5E+1", 35}, {"007", 7},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(OnlyNumber(text), value) << text;
    }
}

TEST(TokenizerNumbers, MinusAloneIsNegativeZero) {
    EXPECT_TRUE(std::signbit(OnlyNumber("- ")));
    Scanner scanner("--5");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NUMBER);
    EXPECT_EQ(scanner.tokenizer.NumberValue(), 0.0);
    EXPECT_TRUE(std::signbit(scanner.tokenizer.NumberValue()));
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NUMBER);
    EXPECT_EQ(scanner.tokenizer.NumberValue(), -5.0);
}

TEST(TokenizerNumbers, EndsAtAnyTerminatorThatIsNotALetterOrPoint) {
    Scanner scanner("12{3]4\"s\"5#c\n6");
    EXPECT_EQ(scanner.Kinds(),
              (std::vector<int>{TOKEN_NUMBER, TOKEN_OPEN_BRACE, TOKEN_NUMBER, TOKEN_CLOSE_BRACKET,
                                TOKEN_NUMBER, TOKEN_STRING, TOKEN_NUMBER, TOKEN_NUMBER, TOKEN_END}));
}

TEST(TokenizerNumbers, LetterOrSecondPointIsBadCharacterInNumber) {
    for (const char* text : {"1.5.2", "12abc", "1e ", "1e5e", "2.5x", "1e.", "3Ex"}) {
        Scanner scanner(text);
        EXPECT_EQ(scanner.Kinds().back(), TOKEN_ERROR) << text;
        EXPECT_EQ(scanner.Errors(), "Bad character in number\n") << text;
    }
}

TEST(TokenizerNumbers, ScanResumesAtTheCharacterThatStoppedIt) {
    Scanner scanner("12abc");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_ERROR);
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NAME);
    EXPECT_EQ(scanner.tokenizer.TextValue(), "abc");
}

TEST(TokenizerNumbers, AbsurdDigitStringsStayDefined) {
    const std::string many(400, '9');
    EXPECT_EQ(OnlyNumber(many), INFINITY);
    EXPECT_EQ(OnlyNumber("-" + many), -INFINITY);
    EXPECT_NEAR(OnlyNumber("0." + many), 1.0, 1e-15);
    EXPECT_EQ(OnlyNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(OnlyNumber("1e" + many), INFINITY);
    EXPECT_EQ(OnlyNumber("1e-" + many), 0.0);
    EXPECT_EQ(OnlyNumber("0e400"), 0.0);
    EXPECT_EQ(OnlyNumber(many + "e-400"), INFINITY);
    EXPECT_EQ(OnlyNumber(many + "." + many + "e-" + many), INFINITY);
}

TEST(TokenizerNumbers, ValueIsKeptByOtherTokensAndNotPutInText) {
    Scanner scanner("5 abc {");
    scanner.tokenizer.NextToken();
    EXPECT_EQ(scanner.tokenizer.TextValue(), "");
    scanner.tokenizer.NextToken();
    scanner.tokenizer.NextToken();
    EXPECT_EQ(scanner.tokenizer.NumberValue(), 5.0);
    EXPECT_EQ(scanner.tokenizer.TextValue(), "");
}

// --- names and marks ---

TEST(TokenizerNames, LettersThenLettersAndDigits) {
    Scanner scanner("uiWindow2 abc\"s\"");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NAME);
    EXPECT_EQ(scanner.tokenizer.TextValue(), "uiWindow2");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NAME);
    EXPECT_EQ(scanner.tokenizer.TextValue(), "abc");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_STRING);
}

TEST(TokenizerNames, UnderscoreEndsANameAndIsABadCharacter) {
    Scanner scanner("Bar_Base");
    EXPECT_EQ(scanner.Kinds(), (std::vector<int>{TOKEN_NAME, TOKEN_ERROR}));
    EXPECT_EQ(scanner.Errors(), "Bad character in stream\n");
}

TEST(TokenizerNames, CharactersThatStartNoToken) {
    for (const char* text : {"+5", ".5", "_", ";", "\x80", "\xff", "\x01"}) {
        Scanner scanner(text);
        EXPECT_EQ(scanner.Kinds(), std::vector<int>{TOKEN_ERROR}) << text;
        EXPECT_EQ(scanner.Errors(), "Bad character in stream\n") << text;
    }
}

TEST(TokenizerNames, MarksHaveTheirKindsAndNoText) {
    Scanner scanner("{}[]=|");
    EXPECT_EQ(scanner.Kinds(), (std::vector<int>{TOKEN_OPEN_BRACE, TOKEN_CLOSE_BRACE, TOKEN_OPEN_BRACKET,
                                                 TOKEN_CLOSE_BRACKET, TOKEN_EQUALS, TOKEN_BAR, TOKEN_END}));
    EXPECT_EQ(scanner.tokenizer.TextValue(), "");
}

// --- strings and escapes ---

TEST(TokenizerStrings, EscapesAndOrdinaryCharacters) {
    Scanner scanner(R"("a\\b\nc\"d # e{")");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_STRING);
    EXPECT_EQ(scanner.tokenizer.TextValue(), "a\\b\nc\"d # e{");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_END);
}

TEST(TokenizerStrings, StringOverTwoLinesKeepsItsLineFeed) {
    Scanner scanner("\"a\nb\" x");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_STRING);
    EXPECT_EQ(scanner.tokenizer.TextValue(), "a\nb");
    EXPECT_EQ(scanner.tokenizer.LineNumber(), 2);
}

TEST(TokenizerStrings, UnknownEscapeKeepsTheTextSoFar) {
    Scanner scanner(R"("ab\q")");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_ERROR);
    EXPECT_EQ(scanner.tokenizer.TextValue(), "ab");
    EXPECT_EQ(scanner.Errors(), "Unknown escape code in string\n");
}

// --- comments and lines ---

TEST(TokenizerComments, CommentRunsToTheEndOfItsLine) {
    for (const char* text : {"a#note\nb", "a # note\rb", "a#\n#\n\nb"}) {
        Scanner scanner(text);
        EXPECT_EQ(scanner.Kinds(), (std::vector<int>{TOKEN_NAME, TOKEN_NAME, TOKEN_END})) << text;
        EXPECT_EQ(scanner.tokenizer.TextValue(), "") << text;
    }
}

TEST(TokenizerComments, LineFeedsAreCountedWhenRead) {
    Scanner scanner("a\nb\r\rc\r\n\nd");
    EXPECT_EQ(scanner.tokenizer.LineNumber(), 1);
    const int linesAfter[] = {2, 2, 2, 4};
    for (int expected : linesAfter) {
        scanner.tokenizer.NextToken();
        EXPECT_EQ(scanner.tokenizer.LineNumber(), expected) << scanner.tokenizer.TextValue();
    }
}

// --- push-back ---

TEST(TokenizerPushBack, RepeatsTheTokenWithItsTextAndNumber) {
    Scanner scanner("Left 10 }");
    scanner.tokenizer.NextToken();
    scanner.tokenizer.PushBack();
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NAME);
    EXPECT_EQ(scanner.tokenizer.TextValue(), "Left");
    scanner.tokenizer.NextToken();
    scanner.tokenizer.PushBack();
    EXPECT_EQ(scanner.tokenizer.TokenKind(), TOKEN_NUMBER);
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NUMBER);
    EXPECT_EQ(scanner.tokenizer.NumberValue(), 10.0);
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_CLOSE_BRACE);
}

// --- end of input ---

TEST(TokenizerEnd, EmptyInputEndsAtOnceAndForEver) {
    for (const char* text : {"", " \n\t ", "# only a comment\n"}) {
        Scanner scanner(text);
        EXPECT_EQ(scanner.tokenizer.TokenKind(), TOKEN_NONE);
        for (int call = 0; call < 3; ++call) {
            EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_END) << text;
        }
    }
}

TEST(TokenizerEnd, CommentCutByTheEndOfInputEndsLikeWhiteSpace) {
    Scanner scanner("a # no line feed");
    EXPECT_EQ(scanner.Kinds(), (std::vector<int>{TOKEN_NAME, TOKEN_END}));
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_END);
    EXPECT_EQ(scanner.Errors(), "");
}

TEST(TokenizerEnd, StringOrEscapeCutByTheEndOfInputIsAnError) {
    for (const char* text : {"\"abc", "\"abc\\"}) {
        Scanner scanner(text);
        EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_ERROR) << text;
        EXPECT_EQ(scanner.tokenizer.TextValue(), "abc") << text;
        EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_END) << text;
        EXPECT_EQ(scanner.Errors(), "End of input inside a string\n") << text;
    }
}

// --- what a Tokenizer with an error listener hands it and keeps of its lexical errors ---

LexicalError QuietError(const std::string& text) {
    std::istringstream input(text);
    Tokenizer tokenizer(input);
    int heard = 0;
    tokenizer.SetErrorListener([&heard](const LexicalError&) { ++heard; });
    testing::internal::CaptureStderr();
    while (tokenizer.NextToken() != TOKEN_END && tokenizer.TokenKind() != TOKEN_ERROR) {
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << text;
    EXPECT_EQ(heard, tokenizer.LastError().problem == LexicalProblem::None ? 0 : 1) << text;
    return tokenizer.LastError();
}

TEST(TokenizerLexicalErrors, QuietTokenizerKeepsEachErrorWithItsCharacterLineAndReason) {
    const struct {
        std::string text;
        int character;
        int line;
        const char* reason;
    } cases[] = {
        {"Left +5", '+', 1, "Bad character in stream: '+' cannot start a number"},
        {"a\n\n.5", '.', 3, "Bad character in stream: '.' cannot start a number"},
        {"Bar_Base", '_', 1, "Bad character in stream: '_' cannot start a name, a number or a string"},
        {"x \xA0", 0xA0, 1, "Bad character in stream: byte 0xA0 cannot start a name, a number or a string"},
        {std::string("\0", 1), 0, 1,
         "Bad character in stream: byte 0x00 cannot start a name, a number or a string"},
        {"\n12abc", 'a', 2, "Bad character in number: 'a' cannot follow the digits of a number"},
        {"1.5.2", '.', 1, "Bad character in number: '.' cannot follow the digits of a number"},
        {"1e x", ' ', 1, "Bad character in number: a blank cannot follow the exponent mark of a number"},
        {"\"a\\q\"", 'q', 1,
         "Unknown escape code in string: 'q' after a backslash (only \\n, \\\\ and \\\" are escapes)"},
        {"\"open\n\n", -1, 3, "End of input inside a string"},
    };
    for (const auto& expected : cases) {
        const LexicalError error = QuietError(expected.text);
        EXPECT_EQ(error.character, expected.character) << expected.text;
        EXPECT_EQ(error.line, expected.line) << expected.text;
        EXPECT_EQ(error.Reason(), expected.reason) << expected.text;
    }
}

TEST(TokenizerLexicalErrors, NoErrorLeavesNoProblemAndALoudTokenizerStillWrites) {
    EXPECT_EQ(QuietError("uiWindow \"A\" { Left 1 }").problem, LexicalProblem::None);
    EXPECT_STREQ(QuietError("").Message(), "");

    Scanner scanner("+");
    scanner.Kinds();
    EXPECT_EQ(scanner.Errors(), "Bad character in stream\n");
    EXPECT_STREQ(scanner.tokenizer.LastError().Message(), "Bad character in stream");
}

TEST(TokenizerLines, TokenLineIsWhereTheTokenStartsNotTheLookAhead) {
    Scanner scanner("# note\n  uiWindow\n\"A\nB\" 7");
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NAME);
    EXPECT_EQ(scanner.tokenizer.TokenLine(), 2);
    EXPECT_EQ(scanner.tokenizer.LineNumber(), 3);
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_STRING);
    EXPECT_EQ(scanner.tokenizer.TokenLine(), 3);
    EXPECT_EQ(scanner.tokenizer.NextToken(), TOKEN_NUMBER);
    EXPECT_EQ(scanner.tokenizer.TokenLine(), 4);
}

} // namespace
