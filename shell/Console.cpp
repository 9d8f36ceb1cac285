#include "Console.h"

#include "StopSignal.h"
#include "TextFields.h"

#include <cerrno>
#include <cstdarg>
#include <poll.h>

using namespace drev;

Console::Console(std::FILE* in, std::FILE* out) : in(in), out(out) {
    if (fileno(in) >= 0) {
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
// for command lines, so the next wait or command doesn't take the LF as an empty line. The LF
// is dropped when it is read next rather than looked for now, which could wait for more input.
bool Console::WaitForEnter() {
    Flush();
    const int key = ReadByte();
    skipLineFeed = key == '\r';
    return key != EOF;
}

bool Console::ReadLine(char* line, int size) {
    Flush();
    line[0] = '\0';
    const bool read = ReadBoundedLine([this] { return ReadByte(); }, line, size);
    return read && StopSignalNumber() == 0;
}

int Console::ReadByte() {
    while (!inputEnded && WaitForInput()) {
        const int c = std::fgetc(in);
        if (c == EOF && std::ferror(in) && errno == EINTR) {
            std::clearerr(in);
            continue;
        }
        if (c == EOF) {
            break;
        }
        if (skipLineFeed) {
            skipLineFeed = false;
            if (c == '\n') {
                continue;
            }
        }
        return c;
    }
    inputEnded = true;
    return EOF;
}

// True when a character (or the end of the input) can be read without waiting; false once a
// stop signal has come. A stream without a descriptor (a text in memory) never waits.
bool Console::WaitForInput() {
    const int descriptor = fileno(in);
    while (StopSignalNumber() == 0) {
        if (descriptor < 0) {
            return true;
        }
        pollfd watched[] = {{descriptor, POLLIN, 0}, {StopSignalDescriptor(), POLLIN, 0}};
        const int ready = poll(watched, 2, -1);
        if (ready < 0 && errno != EINTR) {
            return true;
        }
        if (ready > 0 && watched[0].revents != 0 && StopSignalNumber() == 0) {
            return true;
        }
    }
    return false;
}

void Console::Flush() {
    std::fflush(out);
}
