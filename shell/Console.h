// The console the shell talks through: plain lines out, typed lines and single characters in.
// Output is flushed before every read, so that a program driving the shell through a pipe sees
// each prompt before it has to answer. Once the input has ended, every read returns false at
// once and InputEnded() stays true: callers use it to leave whatever they are doing and end the
// run the way "exit" does.
#pragma once

#include <cstdio>

class Console {
public:
    // in is made unbuffered when it is a terminal, so that the key test can tell a lone Escape
    // from the start of a key sequence; construct the console before anything reads from in.
    explicit Console(std::FILE* in = stdin, std::FILE* out = stdout);

    void PrintBlankLines(int count);
    void PrintPrompt();
    void PrintLine(const char* text);
    void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Reads one character; false at the end of the input.
    bool WaitForEnter();
    // Reads one line into line (size bytes), keeping its first size - 1 characters; false at the
    // end of the input with nothing read.
    bool ReadLine(char* line, int size);
    void Flush();

    bool InputEnded() const { return inputEnded; }
    // For readers that take their characters from Input() directly and meet its end.
    void MarkInputEnded() { inputEnded = true; }
    std::FILE* Input() const { return in; }

private:
    std::FILE* in;
    std::FILE* out;
    bool inputEnded = false;
};
