// One problem of a UI file as drev check reports it, for the commands that pass it on: check
// prints it, fmt refuses a file with an error, the language server shows it at its line.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct UiDiagnostic {
    enum class Severity { Error, Warning };

    Severity severity = Severity::Error;
    // The line the loader names, from 1; 0 where it names none (warnings, a file not read).
    int line = 0;
    // The message as the log has it; the load's error with its cause in parentheses.
    std::string message;
    // The line drev check prints: "FILE:LINE: error: MESSAGE" or "FILE: warning: MESSAGE".
    std::string printed;
};

// The printed lines on the standard error, one a line, as drev check shows them.
inline void PrintDiagnostics(const std::vector<UiDiagnostic>& diagnostics) {
    for (const UiDiagnostic& diagnostic : diagnostics) {
        std::fprintf(stderr, "%s\n", diagnostic.printed.c_str());
    }
}
