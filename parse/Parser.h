// Reads structured values from a Tokenizer: numbers, strings, true and false, arrays in
// square brackets and hashes in braces ('{' then pairs of a bare-name key and a value, '}').
// The Parser borrows the Tokenizer; other readers may take tokens from it between calls. Each
// reader returns an owned result, or null when the input does not hold one; then the token it
// could not use is pushed back, so the caller sees it next. Arrays and hashes nest up to
// MAX_DEPTH levels; deeper input is refused like any other value that cannot be read.
#pragma once

#include "Hash.h"
#include "Tokenizer.h"
#include "Value.h"

#include <memory>

namespace drev {

class Parser {
public:
    static constexpr int MAX_DEPTH = 256;

    explicit Parser(Tokenizer& tokenizer) : tokenizer(tokenizer) {}

    std::unique_ptr<Value> ReadValue();
    std::unique_ptr<ValueArray> ReadArray();
    std::unique_ptr<Hash> ReadHash();

private:
    bool Open(int openKind);

    Tokenizer& tokenizer;
    int depth = 0;
};

} // namespace drev
