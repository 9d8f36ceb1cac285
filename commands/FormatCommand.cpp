#include "FormatCommand.h"

#include "FileChecks.h"
#include "ReplacementFile.h"
#include "UiFileCheck.h"
#include "UiFormatter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

enum FormatStatus { FORMAT_DONE = 0, FORMAT_INPUT_ERRORS = 1, FORMAT_IO_ERROR = 2 };

// How messages and the loader name standard input.
const char* const STANDARD_INPUT_LABEL = "<stdin>";

bool ReadStream(std::FILE* stream, std::string& text, std::string& reason) {
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) {
        text.append(buffer, count);
    }
    if (std::ferror(stream)) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}

bool ReadFile(const std::string& fileName, std::string& text, std::string& reason) {
    if (!CanReadFile(fileName, reason)) {
        return false;
    }
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        reason = std::strerror(errno);
        return false;
    }
    const bool read = ReadStream(file, text, reason);
    std::fclose(file);
    return read;
}

class Formatter {
public:
    Formatter(UiFileChecker& checker, bool checkOnly) : checker(checker), checkOnly(checkOnly) {}

    int Run(const std::string& argument) {
        const bool standardStreams = argument == STANDARD_INPUT_NAME;
        const std::string fileName = standardStreams ? STANDARD_INPUT_LABEL : argument;
        std::string text;
        std::string reason;
        if (!(standardStreams ? ReadStream(stdin, text, reason) : ReadFile(fileName, text, reason))) {
            std::fprintf(stderr, "drev: cannot read %s: %s\n", fileName.c_str(), reason.c_str());
            return FORMAT_IO_ERROR;
        }
        const UiFileReport report = checker.Check(fileName, &text, true);
        if (report.HasError()) {
            PrintDiagnostics(report.diagnostics);
            return FORMAT_INPUT_ERRORS;
        }
        std::string formatted;
        if (!FormatUiText(text, formatted, reason)) {
            std::fprintf(stderr, "%s: error: cannot lay it out: %s\n", fileName.c_str(), reason.c_str());
            return FORMAT_INPUT_ERRORS;
        }
        if (checkOnly) {
            if (formatted == text) {
                return FORMAT_DONE;
            }
            std::printf("%s\n", fileName.c_str());
            return FORMAT_INPUT_ERRORS;
        }
        if (standardStreams) {
            return Print(formatted);
        }
        return formatted == text ? FORMAT_DONE : Replace(fileName, formatted);
    }

private:
    static int Print(const std::string& formatted) {
        if (std::fwrite(formatted.data(), 1, formatted.size(), stdout) != formatted.size() ||
            std::fflush(stdout) != 0) {
            std::fprintf(stderr, "drev: cannot write the standard output: %s\n", std::strerror(errno));
            return FORMAT_IO_ERROR;
        }
        return FORMAT_DONE;
    }

    static int Replace(const std::string& fileName, const std::string& formatted) {
        std::string reason;
        if (!drev::WriteWholeFile(fileName, formatted, reason)) {
            std::fprintf(stderr, "drev: cannot write %s: %s\n", fileName.c_str(), reason.c_str());
            return FORMAT_IO_ERROR;
        }
        return FORMAT_DONE;
    }

    UiFileChecker& checker;
    const bool checkOnly;
};

} // namespace

int RunFormatCommand(const FormatOptions& options) {
    UiFileChecker checker;
    if (!checker.Start(options.logFile, options.files)) {
        return FORMAT_IO_ERROR;
    }
    Formatter formatter(checker, options.check);
    int status = FORMAT_DONE;
    for (const std::string& fileName : options.files) {
        status = std::max(status, formatter.Run(fileName));
    }
    return status;
}
