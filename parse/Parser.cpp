#include "Parser.h"

#include <utility>

namespace drev {

namespace {

// Counts one level of nesting for the life of an array or hash being read.
class DepthLevel {
public:
    explicit DepthLevel(int& depth) : depth(depth) { ++depth; }
    ~DepthLevel() { --depth; }
    DepthLevel(const DepthLevel&) = delete;
    DepthLevel& operator=(const DepthLevel&) = delete;

private:
    int& depth;
};

} // namespace

std::unique_ptr<Value> Parser::ReadValue() {
    switch (tokenizer.NextToken()) {
    case TOKEN_NUMBER:
        return Value::MakeNumber(tokenizer.NumberValue());
    case TOKEN_STRING:
        return Value::MakeString(tokenizer.TextValue());
    case TOKEN_NAME: {
        const std::string name = tokenizer.TextValue();
        if (name == "false" || name == "true") {
            return Value::MakeBoolean(name == "true");
        }
        break;
    }
    case TOKEN_OPEN_BRACE: {
        tokenizer.PushBack();
        std::unique_ptr<Hash> hash = ReadHash();
        return hash ? Value::MakeHash(std::move(*hash)) : nullptr;
    }
    case TOKEN_OPEN_BRACKET: {
        tokenizer.PushBack();
        std::unique_ptr<ValueArray> array = ReadArray();
        return array ? Value::MakeArray(std::move(*array)) : nullptr;
    }
    default:
        break;
    }
    tokenizer.PushBack();
    return nullptr;
}

std::unique_ptr<ValueArray> Parser::ReadArray() {
    if (!Open(TOKEN_OPEN_BRACKET)) {
        return nullptr;
    }
    DepthLevel level(depth);
    auto array = std::make_unique<ValueArray>();
    // The closing mark is looked for before each element, so that an element that fails
    // fails the array even when the token it stopped at is a ']'.
    while (tokenizer.NextToken() != TOKEN_CLOSE_BRACKET) {
        tokenizer.PushBack();
        std::unique_ptr<Value> element = ReadValue();
        if (!element) {
            return nullptr;
        }
        array->push_back(std::move(element));
    }
    return array;
}

std::unique_ptr<Hash> Parser::ReadHash() {
    if (!Open(TOKEN_OPEN_BRACE)) {
        return nullptr;
    }
    DepthLevel level(depth);
    auto hash = std::make_unique<Hash>();
    for (;;) {
        const int kind = tokenizer.NextToken();
        if (kind == TOKEN_CLOSE_BRACE) {
            return hash;
        }
        if (kind != TOKEN_NAME) {
            tokenizer.PushBack();
            return nullptr;
        }
        const std::string key = tokenizer.TextValue();
        std::unique_ptr<Value> value = ReadValue();
        if (!value) {
            return nullptr;
        }
        hash->Insert(key, std::move(value));
    }
}

// Takes the opening mark of an array or hash. Another token, or an opening mark one level
// deeper than MAX_DEPTH, is pushed back and refused.
bool Parser::Open(int openKind) {
    if (tokenizer.NextToken() != openKind || depth >= MAX_DEPTH) {
        tokenizer.PushBack();
        return false;
    }
    return true;
}

} // namespace drev
