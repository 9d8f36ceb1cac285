#include "Hash.h"

#include "PackedColor.h"
#include "Value.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace drev {

namespace {

constexpr float PI = 3.1415927f;

// Reads an array of exactly N numbers into out, converted to Real. The output is written only
// when the whole array has the right form.
template <typename Real, std::size_t N> bool ReadNumbers(const Value* value, Real (&out)[N]) {
    if (value == nullptr || value->Kind() != VALUE_ARRAY || value->AsArray().size() != N) {
        return false;
    }
    Real numbers[N];
    for (std::size_t i = 0; i < N; ++i) {
        const Value& element = *value->AsArray()[i];
        if (element.Kind() != VALUE_NUMBER) {
            return false;
        }
        numbers[i] = static_cast<Real>(element.AsNumber());
    }
    std::copy(numbers, numbers + N, out);
    return true;
}

} // namespace

Hash::Hash() = default;
Hash::Hash(Hash&&) noexcept = default;
Hash& Hash::operator=(Hash&&) noexcept = default;
Hash::~Hash() = default;

bool Hash::Insert(const std::string& key, std::unique_ptr<Value> value) {
    return entries.emplace(key, std::move(value)).second;
}

const Value* Hash::Find(const std::string& key) const {
    auto entry = entries.find(key);
    return entry == entries.end() ? nullptr : entry->second.get();
}

bool Hash::GetNumber(const std::string& key, double& number) const {
    const Value* value = Find(key);
    if (value == nullptr || value->Kind() != VALUE_NUMBER) {
        return false;
    }
    number = value->AsNumber();
    return true;
}

bool Hash::GetNumber(const std::string& key, float& number) const {
    double exact = 0.0;
    if (!GetNumber(key, exact)) {
        return false;
    }
    number = static_cast<float>(exact);
    return true;
}

bool Hash::GetString(const std::string& key, std::string& text) const {
    const Value* value = Find(key);
    if (value == nullptr || value->Kind() != VALUE_STRING) {
        return false;
    }
    text = value->AsString();
    return true;
}

bool Hash::GetBoolean(const std::string& key, bool& truth) const {
    const Value* value = Find(key);
    if (value == nullptr || value->Kind() != VALUE_BOOLEAN) {
        return false;
    }
    truth = value->AsBoolean();
    return true;
}

bool Hash::GetVector3(const std::string& key, double (&vector)[3]) const {
    return ReadNumbers(Find(key), vector);
}

bool Hash::GetVector3(const std::string& key, float (&vector)[3]) const {
    return ReadNumbers(Find(key), vector);
}

bool Hash::GetVector4(const std::string& key, float (&vector)[4]) const {
    if (ReadNumbers(Find(key), vector)) {
        return true;
    }
    std::fill(vector, vector + 4, 0.0f);
    return false;
}

bool Hash::GetRotation(const std::string& key, float& w, float& x, float& y, float& z) const {
    float angleAndAxis[4];
    if (!ReadNumbers(Find(key), angleAndAxis)) {
        return false;
    }
    const float axisX = angleAndAxis[1];
    const float axisY = angleAndAxis[2];
    const float axisZ = angleAndAxis[3];
    const float lengthSquared = axisX * axisX + axisY * axisY + axisZ * axisZ;
    if (!(lengthSquared > 0.0f) || std::isinf(lengthSquared)) {
        return false;
    }
    const float scale = 1.0f / std::sqrt(lengthSquared);
    const float halfAngle = angleAndAxis[0] / 180.0f * PI / 2.0f;
    const float sine = std::sin(halfAngle);
    w = std::cos(halfAngle);
    x = sine * (axisX * scale);
    y = sine * (axisY * scale);
    z = sine * (axisZ * scale);
    return true;
}

bool Hash::GetColor(const std::string& key, PackedColor& color) const {
    float rgb[3];
    if (!ReadNumbers(Find(key), rgb)) {
        return false;
    }
    color = PackedColor(rgb[0], rgb[1], rgb[2]);
    return true;
}

} // namespace drev
