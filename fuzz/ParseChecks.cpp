#include "ParseChecks.h"

#include "PackedColor.h"
#include "Parser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

using namespace drev;

namespace {

// Collects what is written to std::cerr while it lives.
class CapturedErrors {
public:
    CapturedErrors() : previous(std::cerr.rdbuf(captured.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(previous); }
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    std::string Text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf* previous;
};

bool IsKnownMessage(const std::string& text) {
    static const char* const messages[] = {"Bad character in stream\n", "Bad character in number\n",
                                           "Unknown escape code in string\n",
                                           "End of input inside a string\n"};
    return std::any_of(std::begin(messages), std::end(messages),
                       [&](const char* message) { return text == message; });
}

// A scan that ended at the end of input wrote nothing; one that ended at an error wrote
// exactly one of the tokenizer's messages.
std::string CheckMessages(int lastKind, const std::string& errors) {
    if (lastKind == TOKEN_END && !errors.empty()) {
        return "a message without an error token: " + errors;
    }
    if (lastKind == TOKEN_ERROR && !IsKnownMessage(errors)) {
        return "an error token without exactly one message: '" + errors + "'";
    }
    return "";
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsName(const std::string& text) {
    if (text.empty() || !IsAsciiLetter(text[0])) {
        return false;
    }
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return IsAsciiLetter(c) || (c >= '0' && c <= '9'); });
}

std::string CheckTokens(const std::string& input) {
    std::istringstream stream(input);
    Tokenizer tokenizer(stream);
    CapturedErrors errors;
    int kind = TOKEN_NONE;
    while (kind != TOKEN_END && kind != TOKEN_ERROR) {
        kind = tokenizer.NextToken();
        if (kind < TOKEN_NAME || kind > TOKEN_BAR || kind == 5 || kind == TOKEN_NONE) {
            return "token kind " + std::to_string(kind);
        }
        if (kind == TOKEN_NAME && !IsName(tokenizer.TextValue())) {
            return "name token with text '" + tokenizer.TextValue() + "'";
        }
        if (kind != TOKEN_NAME && kind != TOKEN_STRING && kind != TOKEN_ERROR &&
            !tokenizer.TextValue().empty()) {
            return "text on a token of kind " + std::to_string(kind);
        }
        if (kind == TOKEN_NUMBER && std::isnan(tokenizer.NumberValue())) {
            return "a number token of value NaN";
        }
    }
    const int lines = 1 + static_cast<int>(std::count(input.begin(), input.end(), '\n'));
    if (kind == TOKEN_END && tokenizer.LineNumber() != lines) {
        return "line " + std::to_string(tokenizer.LineNumber()) + " at the end of " + std::to_string(lines) +
               " lines";
    }
    if (kind == TOKEN_END && tokenizer.NextToken() != TOKEN_END) {
        return "a token after the end of input";
    }
    return CheckMessages(kind, errors.Text());
}

std::string CheckValue(const Value& value, int depth);

// Every lookup on every key: each must agree with the kind of the value found.
std::string CheckLookups(const Hash& hash, const std::string& key, const Value& value) {
    if (hash.Find(key) != &value) {
        return "Find of key '" + key + "' misses its entry";
    }
    double number = 0.0;
    bool truth = false;
    std::string text;
    if (hash.GetNumber(key, number) != (value.Kind() == VALUE_NUMBER) ||
        hash.GetBoolean(key, truth) != (value.Kind() == VALUE_BOOLEAN) ||
        hash.GetString(key, text) != (value.Kind() == VALUE_STRING)) {
        return "a scalar lookup of key '" + key + "' disagrees with its kind";
    }
    float vector[4] = {1, 1, 1, 1};
    if (!hash.GetVector4(key, vector) && std::any_of(vector, vector + 4, [](float v) { return v != 0.0f; })) {
        return "GetVector4 of key '" + key + "' failed without clearing its output";
    }
    float w = 2, x = 2, y = 2, z = 2;
    if (!hash.GetRotation(key, w, x, y, z) && (w != 2 || x != 2 || y != 2 || z != 2)) {
        return "GetRotation of key '" + key + "' failed and wrote its output";
    }
    PackedColor color;
    float rgb[3];
    if (hash.GetColor(key, color) != hash.GetVector3(key, rgb)) {
        return "GetColor of key '" + key + "' disagrees with GetVector3";
    }
    return "";
}

std::string CheckHash(const Hash& hash, int depth) {
    for (const auto& entry : hash) {
        if (!IsName(entry.first) || entry.second == nullptr) {
            return "hash entry with key '" + entry.first + "'";
        }
        std::string problem = CheckLookups(hash, entry.first, *entry.second);
        if (problem.empty()) {
            problem = CheckValue(*entry.second, depth);
        }
        if (!problem.empty()) {
            return problem;
        }
    }
    return "";
}

std::string CheckValue(const Value& value, int depth) {
    switch (value.Kind()) {
    case VALUE_NUMBER:
        return std::isnan(value.AsNumber()) ? "a number value of NaN" : "";
    case VALUE_STRING:
        return "";
    case VALUE_BOOLEAN:
        return value.AsNumber() == 0.0 || value.AsNumber() == 1.0 ? "" : "a boolean that is neither 0 nor 1";
    case VALUE_ARRAY:
    case VALUE_HASH:
        break;
    default:
        return "value kind " + std::to_string(value.Kind());
    }
    if (depth + 1 > Parser::MAX_DEPTH) {
        return "values nested deeper than the limit";
    }
    if (value.Kind() == VALUE_HASH) {
        return CheckHash(value.AsHash(), depth + 1);
    }
    for (const auto& element : value.AsArray()) {
        std::string problem = element ? CheckValue(*element, depth + 1) : "a null array element";
        if (!problem.empty()) {
            return problem;
        }
    }
    return "";
}

// The loader's way of reading: values, and between them single tokens, until the end of
// input or an error.
std::string CheckValues(const std::string& input) {
    std::istringstream stream(input);
    Tokenizer tokenizer(stream);
    Parser parser(tokenizer);
    CapturedErrors errors;
    std::vector<std::unique_ptr<Value>> values;
    int kind = TOKEN_NONE;
    while (kind != TOKEN_END && kind != TOKEN_ERROR) {
        if (std::unique_ptr<Value> value = parser.ReadValue()) {
            std::string problem = CheckValue(*value, 0);
            if (!problem.empty()) {
                return problem;
            }
            values.push_back(std::move(value));
        } else {
            kind = tokenizer.NextToken();
        }
    }
    return CheckMessages(kind, errors.Text());
}

// A colour text gives a colour of one of the accepted forms, or false and no change.
std::string CheckColorText(const std::string& text) {
    const PackedColor before(std::uint8_t{1}, std::uint8_t{2}, std::uint8_t{3});
    PackedColor color = before;
    if (!ParseColor(text, color)) {
        return color == before ? "" : "a refused colour text changed the output";
    }
    if (color.alpha != 255) {
        return "a parsed colour that is not opaque";
    }
    if (text.empty() || text[0] != '#') {
        return "";
    }
    const std::string digits = text.substr(1);
    if (digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos ||
        (digits.size() != 3 && digits.size() != 6)) {
        return "an accepted colour text of a wrong form";
    }
    const unsigned long v = std::strtoul(digits.c_str(), nullptr, 16);
    const PackedColor expected =
        digits.size() == 6 ? PackedColor(std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v))
                           : PackedColor(std::uint8_t((v >> 8) * 17), std::uint8_t((v >> 4 & 15) * 17),
                                         std::uint8_t((v & 15) * 17));
    return color == expected ? "" : "a hexadecimal colour with wrong channels";
}

bool ChannelMatches(double real, std::uint8_t byte) {
    if (!(real > 0.0)) {
        return byte == 0;
    }
    if (real >= 1.0) {
        return byte == 255;
    }
    return byte == static_cast<std::uint8_t>(std::floor(real * 255.99));
}

std::string CheckColorReals(const std::uint8_t* data, std::size_t size) {
    double reals[4];
    if (size < sizeof reals) {
        return "";
    }
    std::memcpy(reals, data, sizeof reals);
    const PackedColor color(reals[0], reals[1], reals[2], reals[3]);
    const PackedColor faded(color, reals[0]);
    const bool matches = ChannelMatches(reals[0], color.red) && ChannelMatches(reals[1], color.green) &&
                         ChannelMatches(reals[2], color.blue) && ChannelMatches(reals[3], color.alpha) &&
                         ChannelMatches(reals[0], faded.alpha) && faded.red == color.red;
    return matches ? "" : "a colour from reals with wrong channels";
}

} // namespace

std::string CheckValueReader(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string problem = CheckTokens(input);
    return problem.empty() ? CheckValues(input) : problem;
}

std::string CheckParseColor(const std::uint8_t* data, std::size_t size) {
    std::string problem = CheckColorText(std::string(reinterpret_cast<const char*>(data), size));
    return problem.empty() ? CheckColorReals(data, size) : problem;
}
