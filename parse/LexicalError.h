// What stopped the Tokenizer: the kind of lexical error, the character it stood at (-1 at the
// end of input) and that character's line. The message is the line the Tokenizer writes to
// standard error; the reason adds what the character tells about the mistake, for a person
// who has to find it in the file.
#pragma once

#include <string>

namespace drev {

enum class LexicalProblem {
    None,
    BadCharacterInStream,
    BadCharacterInNumber,
    BadExponent,
    UnknownEscape,
    EndInsideString,
};

struct LexicalError {
    LexicalProblem problem = LexicalProblem::None;
    int character = -1;
    int line = 0;

    // "Bad character in stream", "Bad character in number", "Unknown escape code in string" or
    // "End of input inside a string"; empty for no problem.
    const char* Message() const;
    // The message and the character's part in it, e.g.
    // "Bad character in stream: '+' cannot start a number".
    std::string Reason() const;
};

} // namespace drev
