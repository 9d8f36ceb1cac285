// Key presses read one at a time from the console, without echo and without waiting for Enter,
// in the two-code form of the key test: a first code of 224 announces a cursor or editing key
// (Up 72, Down 80, Left 75, Right 77, Home 71, End 79, PgUp 73, PgDn 81, Insert 82, Delete 83,
// F11 133, F12 134) and a first code of 0 a function key (F1 to F10: 59 to 68); the second code
// comes with the next ReadKey. Every other byte is its own code.
//
// On a terminal the reader switches it to single keys without echo for its lifetime and turns
// the terminal's escape sequences into the two-code form; an Escape not followed at once by the
// rest of a sequence stays the single code 27, and a sequence it doesn't know comes out byte by
// byte. When the input is not a terminal, bytes are passed on as they come. Bytes are read
// through the console, so a stop signal ends the reading as the end of the input does; the
// terminal gets its settings back when the reader goes.
#pragma once

#include <termios.h>

class Console;

// Decodes the bytes that follow Escape in a terminal key sequence ("[A", "OP", "[15~", "[1;5C",
// "[[A"). Returns true and the two codes for a known key; false otherwise.
bool DecodeKeySequence(const char* sequence, int length, int* first, int* second);

class KeyReader {
public:
    explicit KeyReader(Console& console);
    ~KeyReader();
    KeyReader(const KeyReader&) = delete;
    KeyReader& operator=(const KeyReader&) = delete;

    // The next key code (0 to 255), or -1 at the end of the input or on a stop signal.
    int ReadKey();

private:
    static constexpr int MAX_SEQUENCE = 16;

    bool ByteFollows() const;
    int ReadEscape();

    Console& console;
    int descriptor;
    bool terminal = false;
    termios saved{};
    int pending[MAX_SEQUENCE] = {};
    int pendingCount = 0;
    int pendingNext = 0;
};
