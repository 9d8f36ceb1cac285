#include "Console.h"

#include "TextFields.h"

#include <cstdarg>
#include <unistd.h>

Console::Console(std::FILE* in, std::FILE* out) : in(in), out(out) {
    int descriptor = fileno(in);
    if (descriptor >= 0 && isatty(descriptor)) {
        std::setvbuf(in, nullptr, _IONBF, 0);
    }
}

void Console::PrintBlankLines(int count) {
    for (int i = 0; i < count; ++i) {
        std::fputc('\n', out);
    }
}

void Console::PrintPrompt() {
    std::fputs("> ", out);
}

void Console::PrintLine(const char* text) {
    std::fputs(text, out);
    std::fputc('\n', out);
}

void Console::Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(out, format, args);
    va_end(args);
}

// Input written on Windows ends its lines with CR LF: that pair is one Enter here, as it is
// for command lines, so the next wait or command doesn't take the LF as an empty line.
bool Console::WaitForEnter() {
    Flush();
    const int key = inputEnded ? EOF : std::fgetc(in);
    if (key == EOF) {
        inputEnded = true;
        return false;
    }
    if (key == '\r') {
        const int next = std::fgetc(in);
        if (next != '\n' && next != EOF) {
            std::ungetc(next, in);
        }
    }
    return true;
}

bool Console::ReadLine(char* line, int size) {
    Flush();
    line[0] = '\0';
    if (inputEnded || !ReadBoundedLine(in, line, size)) {
        inputEnded = true;
        return false;
    }
    if (std::feof(in)) {
        inputEnded = true;
    }
    return true;
}

void Console::Flush() {
    std::fflush(out);
}
