#include "CheckCommand.h"

#include "UiFileCheck.h"

#include <algorithm>

namespace {

enum CheckStatus { CHECK_CLEAN = 0, CHECK_ERRORS = 1, CHECK_IO_ERROR = 2 };

int CheckFile(UiFileChecker& checker, const std::string& fileName, bool quiet) {
    const UiFileReport report = checker.Check(fileName, nullptr, quiet);
    PrintDiagnostics(report.diagnostics);
    if (!report.readable) {
        return CHECK_IO_ERROR;
    }
    return report.HasError() ? CHECK_ERRORS : CHECK_CLEAN;
}

} // namespace

int RunCheckCommand(const CheckOptions& options) {
    UiFileChecker checker;
    if (!checker.Start(options.logFile, options.files)) {
        return CHECK_IO_ERROR;
    }
    int status = CHECK_CLEAN;
    for (const std::string& fileName : options.files) {
        status = std::max(status, CheckFile(checker, fileName, options.quiet));
    }
    return status;
}
