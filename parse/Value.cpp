#include "Value.h"

#include <utility>

namespace drev {

Value::Value(int kind) : kind(kind) {}

Value::~Value() = default;

std::unique_ptr<Value> Value::MakeNumber(double number) {
    std::unique_ptr<Value> value(new Value(VALUE_NUMBER));
    value->number = number;
    return value;
}

std::unique_ptr<Value> Value::MakeBoolean(bool truth) {
    std::unique_ptr<Value> value(new Value(VALUE_BOOLEAN));
    value->number = truth ? 1.0 : 0.0;
    return value;
}

std::unique_ptr<Value> Value::MakeString(const std::string& text) {
    std::unique_ptr<Value> value(new Value(VALUE_STRING));
    value->text = text;
    return value;
}

std::unique_ptr<Value> Value::MakeArray(ValueArray&& elements) {
    std::unique_ptr<Value> value(new Value(VALUE_ARRAY));
    value->array = std::move(elements);
    return value;
}

std::unique_ptr<Value> Value::MakeHash(Hash&& entries) {
    std::unique_ptr<Value> value(new Value(VALUE_HASH));
    value->hash = std::move(entries);
    return value;
}

} // namespace drev
