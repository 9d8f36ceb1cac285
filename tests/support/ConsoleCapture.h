// A Console for tests and fuzz checks: its input is a given text and everything printed is kept,
// so a caller can feed typed lines and compare whole screens.
#pragma once

#include "Console.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

class ConsoleCapture {
public:
    explicit ConsoleCapture(const std::string& input = "")
        : typed(input), in(OpenInput()), out(open_memstream(&buffer, &size)), console(in, out) {}
    ~ConsoleCapture() {
        std::fclose(in);
        std::fclose(out);
        std::free(buffer);
    }
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

    Console& Get() { return console; }

    // Everything printed since the last call.
    std::string Output() {
        std::fflush(out);
        std::string text(buffer + taken, size - taken);
        taken = size;
        return text;
    }

    std::vector<std::string> OutputLines() {
        std::vector<std::string> lines;
        std::string text = Output();
        for (size_t start = 0, end; start < text.size(); start = end + 1) {
            end = std::min(text.find('\n', start), text.size());
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    // What is left of the input.
    std::string Unread() {
        std::string rest;
        for (int c; (c = std::fgetc(in)) != EOF;) {
            rest += static_cast<char>(c);
        }
        return rest;
    }

private:
    std::FILE* OpenInput() {
        return typed.empty() ? std::fopen("/dev/null", "r") : fmemopen(typed.data(), typed.size(), "r");
    }

    std::string typed;
    std::FILE* in;
    char* buffer = nullptr;
    size_t size = 0;
    size_t taken = 0;
    std::FILE* out;
    Console console;
};
