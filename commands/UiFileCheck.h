// drev check's diagnostics of a UI file as records, made in one place for every command that
// reports them: check prints them, fmt refuses a file with an error, the language server shows
// them in the editor. A file is loaded into a fresh context as the UI test window loads it, then
// run through the frames that bring out the runtime's corrections (placements pulled back,
// animation types reset).
//
// One checker serves a whole command: Start it once, before the first Check.
#pragma once

#include "UiDiagnostic.h"

#include <string>
#include <vector>

struct UiFileReport {
    // False when the file could not be read at all; the one error says why.
    bool readable = true;
    std::vector<UiDiagnostic> diagnostics;

    // The first diagnostic that is an error, or null.
    const UiDiagnostic* FirstError() const;
    bool HasError() const { return FirstError() != nullptr; }
};

class UiFileChecker {
public:
    // Starts the problem log (and the application log in logFile, unless it is empty, and
    // unless it is one of the inputs or a font they name). False after printing why.
    bool Start(const std::string& logFile, const std::vector<std::string>& inputs);
    // The problems of the file, in the order drev check prints them; read from text instead of
    // the file when text is given (the file name then only names it and places its fonts).
    UiFileReport Check(const std::string& fileName, const std::string* text, bool errorsOnly);
};
