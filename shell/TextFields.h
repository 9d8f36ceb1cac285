// Small text helpers shared by the table readers, the configuration and the console:
// bounded line reads, numbers read from the start of a fixed-width field, and blank trimming.
// Every function writes only inside the buffer size it is given.
#pragma once

#include <cstdio>

// Reads one line into line (a buffer of size bytes), taking its characters from nextByte(), which
// gives a byte or EOF at the end: at most size - 1 characters are kept and the rest of a longer
// line is read and dropped, so it never shows up as the next line. The line end ("\n", or "\r\n"
// as written on other systems) is consumed and not stored. Returns false only at the end with
// nothing read.
template <typename NextByte> bool ReadBoundedLine(NextByte nextByte, char* line, int size) {
    int length = 0;
    bool readAny = false;
    bool carriageReturnLast = false;
    int c;
    while ((c = nextByte()) != EOF) {
        readAny = true;
        if (c == '\n') {
            break;
        }
        carriageReturnLast = false;
        if (length < size - 1) {
            line[length++] = static_cast<char>(c);
            carriageReturnLast = c == '\r';
        }
    }
    if (carriageReturnLast && c == '\n') {
        --length;
    }
    line[length] = '\0';
    return readAny;
}

// The same for a line of a file.
bool ReadBoundedLine(std::FILE* file, char* line, int size);

// The decimal integer at the start of the first width characters of text (leading blanks and
// tabs, an optional sign, digits); 0 when there are no digits. Values beyond the int range are
// held at its limits. The field ends early at a terminating zero.
int FieldInteger(const char* text, int width);

// The same for a whole zero-terminated text.
int LeadingInteger(const char* text);

// The decimal real at the start of text (leading blanks, optional sign, digits with an optional
// point, optional exponent); 0.0 when there is no number.
double LeadingReal(const char* text);

// Copies at most count characters of source (fewer if it ends earlier) into target, a buffer of
// size bytes, keeping at most size - 1 of them; target is zero-filled first.
void CopyField(char* target, int size, const char* source, int count);

// True when text is the start of well-formed UTF-8 (no overlong forms, surrogates or code points
// above U+10FFFF): the last character may be cut short, as a long line cut by bytes leaves it.
bool IsUtf8Prefix(const char* text);

// How many bytes of text to keep so that no more than limit remain: all of a shorter text; in a
// UTF-8 text, the characters that fit whole; in any other text, limit bytes.
int Utf8CutLength(const char* text, int limit);

// Removes leading and trailing blanks (not tabs) from text in place; returns the new length.
int TrimSpaces(char* text);
