// The console the shell talks through: plain lines out, typed lines and single characters in.
// Output is flushed before every read, so that a program driving the shell through a pipe sees
// each prompt before it has to answer. Every read waits for the input and for a stop signal
// (StopSignal.h) together. Once the input has ended, or a stop signal has come, every read
// returns false at once and InputEnded() stays true: callers use it to leave whatever they are
// doing and end the run the way "exit" does.
#pragma once

#include <cstdio>

class Console {
public:
    // in is made unbuffered when it has a descriptor: waiting on the descriptor is then the same
    // as waiting for the next character, and the key test can tell a lone Escape from the start
    // of a key sequence. Construct the console before anything reads from in, and let nothing
    // but the console read from it afterwards.
    explicit Console(std::FILE* in = stdin, std::FILE* out = stdout);

    void PrintBlankLines(int count);
    void PrintPrompt();
    void PrintLine(const char* text);
    void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Reads one line (an Enter); false at the end of the input or on a stop signal.
    bool WaitForEnter();
    // Reads one line into line (size bytes), keeping its first size - 1 characters; false at the
    // end of the input with nothing read, and on a stop signal, even with part of a line read.
    bool ReadLine(char* line, int size);
    // The next byte typed (0 to 255), or EOF at the end of the input or on a stop signal.
    int ReadByte();
    void Flush();

    bool InputEnded() const { return inputEnded; }
    std::FILE* Input() const { return in; }

private:
    bool WaitForInput();

    std::FILE* in;
    std::FILE* out;
    bool inputEnded = false;
    // Set after an Enter typed as CR: an LF right after it belongs to the same Enter.
    bool skipLineFeed = false;
};
