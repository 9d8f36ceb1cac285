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

bool IsUtf8Prefix(const char* text) {
    const unsigned char* next = reinterpret_cast<const unsigned char*>(text);
    while (*next != 0) {
        const unsigned char lead = *next++;
        int following = 0;
        // The range of the first following byte narrows after some leads (Unicode, table 3-7).
        unsigned char low = 0x80;
        unsigned char high = 0xbf;
        if (lead < 0x80) {
            continue;
        } else if (lead >= 0xc2 && lead <= 0xdf) {
            following = 1;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            following = 2;
            low = lead == 0xe0 ? 0xa0 : low;
            high = lead == 0xed ? 0x9f : high;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            following = 3;
            low = lead == 0xf0 ? 0x90 : low;
            high = lead == 0xf4 ? 0x8f : high;
        } else {
            return false;
        }
        for (; following > 0; --following, ++next, low = 0x80, high = 0xbf) {
            if (*next == 0) {
                return true;
            }
            if (*next < low || *next > high) {
                return false;
            }
        }
    }
    return true;
}

int Utf8CutLength(const char* text, int limit) {
    const int length = static_cast<int>(std::strlen(text));
    if (length <= limit) {
        return length;
    }
    if (!IsUtf8Prefix(text)) {
        return limit;
    }
    int cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80) {
        --cut;
    }
    return cut;
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
