#include "TextFields.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool ReadBoundedLine(std::FILE* file, char* line, int size) {
    return ReadBoundedLine([file] { return std::fgetc(file); }, line, size);
}

int FieldInteger(const char* text, int width) {
    int position = 0;
    while (position < width && IsBlank(text[position])) {
        ++position;
    }
    bool negative = false;
    if (position < width && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    long long value = 0;
    for (; position < width && IsDigit(text[position]); ++position) {
        if (value <= INT_MAX) {
            value = value * 10 + (text[position] - '0');
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

int LeadingInteger(const char* text) {
    return FieldInteger(text, INT_MAX);
}

// Measures the decimal number first and converts only that part, so that texts such as "inf",
// "nan" or "0x10" read as the plain decimal prefix they start with.
double LeadingReal(const char* text) {
    int start = 0;
    while (IsBlank(text[start])) {
        ++start;
    }
    int end = start;
    if (text[end] == '+' || text[end] == '-') {
        ++end;
    }
    int digits = 0;
    for (; IsDigit(text[end]); ++end) {
        ++digits;
    }
    if (text[end] == '.') {
        ++end;
        for (; IsDigit(text[end]); ++end) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    if (text[end] == 'e' || text[end] == 'E') {
        int exponent = end + 1;
        if (text[exponent] == '+' || text[exponent] == '-') {
            ++exponent;
        }
        if (IsDigit(text[exponent])) {
            for (end = exponent; IsDigit(text[end]); ++end) {
            }
        }
    }
    char number[128];
    int length = end - start;
    if (length >= static_cast<int>(sizeof number)) {
        return std::strtod(text + start, nullptr);
    }
    std::memcpy(number, text + start, length);
    number[length] = '\0';
    return std::strtod(number, nullptr);
}

void CopyField(char* target, int size, const char* source, int count) {
    std::memset(target, 0, size);
    for (int i = 0; i < count && i < size - 1 && source[i] != '\0'; ++i) {
        target[i] = source[i];
    }
}

int TrimSpaces(char* text) {
    int start = 0;
    while (text[start] == ' ') {
        ++start;
    }
    int length = static_cast<int>(std::strlen(text + start));
    while (length > 0 && text[start + length - 1] == ' ') {
        --length;
    }
    std::memmove(text, text + start, length);
    text[length] = '\0';
    return length;
}
