// One value of a UI description file as read by the Parser: a number, a string, a boolean,
// an array or a hash. Ownership is a tree: a Value owns its string, the elements of its array
// or its hash, and destroying it destroys all of them. Whoever reads a Value owns it and
// releases it once the settings have been copied out. Callers test Kind before using the
// accessor of that kind; the accessor of another kind gives an empty or zero payload.
#pragma once

#include "Hash.h"

#include <memory>
#include <string>
#include <vector>

namespace drev {

enum ValueKind {
    VALUE_NUMBER = 0,
    VALUE_STRING = 1,
    VALUE_ARRAY = 2,
    VALUE_HASH = 3,
    VALUE_BOOLEAN = 4,
};

class Value;

// The elements of an array, in the order read.
using ValueArray = std::vector<std::unique_ptr<Value>>;

class Value {
public:
    static std::unique_ptr<Value> MakeNumber(double number);
    static std::unique_ptr<Value> MakeBoolean(bool truth);
    static std::unique_ptr<Value> MakeString(const std::string& text);
    static std::unique_ptr<Value> MakeArray(ValueArray&& elements);
    static std::unique_ptr<Value> MakeHash(Hash&& entries);

    Value(const Value&) = delete;
    Value& operator=(const Value&) = delete;
    ~Value();

    int Kind() const { return kind; }
    // The number, or 1.0 and 0.0 for the booleans true and false.
    double AsNumber() const { return number; }
    std::string AsString() const { return text; }
    const ValueArray& AsArray() const { return array; }
    const Hash& AsHash() const { return hash; }
    bool AsBoolean() const { return number != 0.0; }

private:
    explicit Value(int kind);

    int kind;
    double number = 0.0;
    std::string text;
    ValueArray array;
    Hash hash;
};

} // namespace drev
