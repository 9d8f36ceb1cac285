// drev check FILE.ui...: loads each UI file as the UI test window does, without a window, runs
// the frames that bring out the runtime's corrections, and prints every problem in the form
// editors and CI annotate ("FILE:LINE: error: MESSAGE", "FILE: warning: MESSAGE").
#pragma once

#include <string>
#include <vector>

struct CheckOptions {
    std::vector<std::string> files;
    // Errors only, no warnings.
    bool quiet = false;
    // The application log's file; empty for none.
    std::string logFile;
};

// 0 when every file loaded completely (warnings allowed), 1 when a file had an error, 2 when a
// file could not be read at all or the off-screen GL is not available.
int RunCheckCommand(const CheckOptions& options);
